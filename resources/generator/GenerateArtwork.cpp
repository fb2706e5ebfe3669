// Draws the built-in role icons and cursors into a folder: ICON_n.ico, CURSOR_n.cur and a
// preview sheet artwork-preview.png of all fifteen.
#include "cursors/CursorRoles.h"
#include "resources/generator/IconFileWriter.h"
#include "resources/generator/RoleArtwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

bool save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage previewSheet() {
    constexpr int cell = 40;
    constexpr int scale = 2;
    QImage sheet(5 * cell * scale, 3 * cell * scale, QImage::Format_ARGB32);
    sheet.fill(QColor(160, 190, 220));
    QPainter p(&sheet);
    for (int slot = 1; slot <= kestrom::CursorRoles::kCount; ++slot) {
        const QPoint at(((slot - 1) % 5) * cell * scale + 8, ((slot - 1) / 5) * cell * scale + 8);
        const QImage image = kestrom::RoleArtwork::Draw(slot);
        p.drawImage(QRect(at, image.size() * scale), image);
        const QPoint hot = kestrom::CursorRoles::bySlot(slot).hotSpot * scale + at;
        p.fillRect(QRect(hot, QSize(scale, scale)), Qt::magenta);
    }
    return sheet;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrom_artwork FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int slot = 1; slot <= kestrom::CursorRoles::kCount; ++slot) {
        const QImage image = kestrom::RoleArtwork::Draw(slot);
        const QPoint hot = kestrom::CursorRoles::bySlot(slot).hotSpot;
        if (!save(QStringLiteral("%1/ICON_%2.ico").arg(folder).arg(slot),
                  kestrom::IconFileWriter::Icon(image)) ||
            !save(QStringLiteral("%1/CURSOR_%2.cur").arg(folder).arg(slot),
                  kestrom::IconFileWriter::Cursor(image, hot)))
            return 1;
    }
    return previewSheet().save(folder + QStringLiteral("/artwork-preview.png")) ? 0 : 1;
}
