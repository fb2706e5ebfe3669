#include "tests/cursors/FakeArtwork.h"

#include <cmath>

namespace kestrom::test {

CursorObject MakeCursor(std::vector<int> sizes, QPoint hotSpot, int steps, std::uint32_t jiffies,
                        QRgb colour) {
    CursorObject cursor;
    for (int s = 0; s < steps; ++s) {
        CursorStep step;
        step.jiffies = jiffies;
        for (const int size : sizes) {
            IconImage image;
            image.color = QImage(size, size, QImage::Format_ARGB32);
            image.color.fill(colour + static_cast<QRgb>(s)); // frames differ in blue
            const double f = static_cast<double>(size) / sizes.front();
            image.hotSpot = QPoint(static_cast<int>(std::lround(hotSpot.x() * f)),
                                   static_cast<int>(std::lround(hotSpot.y() * f)));
            step.frame.images.push_back(image);
        }
        cursor.steps.push_back(step);
    }
    return cursor;
}

HICON FakeArtwork::icon(const QString& name) {
    auto made = std::make_shared<IconObject>();
    names_[made.get()] = name;
    kept_.push_back(made);
    return made;
}

HCURSOR FakeArtwork::cursor(const QString& name) {
    auto made = std::make_shared<CursorObject>(MakeCursor({32}, {3, 4}));
    names_[made.get()] = name;
    kept_.push_back(made);
    return made;
}

HICON FakeArtwork::FileIcon(const QString& fileName) {
    return icon(QStringLiteral("file:") + fileName);
}

HICON FakeArtwork::BuiltInIcon(const QString& resourceName) {
    return icon(QStringLiteral("builtin:") + resourceName);
}

HCURSOR FakeArtwork::FileCursor(const QString& fileName) {
    return cursor(QStringLiteral("file:") + fileName);
}

HCURSOR FakeArtwork::BuiltInCursor(const QString& resourceName) {
    return cursor(QStringLiteral("builtin:") + resourceName);
}

QString FakeArtwork::NameOf(const HICON& icon) const {
    const auto it = names_.find(icon.get());
    return it == names_.end() ? QStringLiteral("none") : it->second;
}

QString FakeArtwork::NameOf(const HCURSOR& cursor) const {
    const auto it = names_.find(cursor.get());
    return it == names_.end() ? QStringLiteral("none") : it->second;
}

} // namespace kestrom::test
