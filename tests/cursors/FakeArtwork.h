#pragma once

#include "cursors/CursorArtwork.h"

#include <QPoint>
#include <QString>

#include <map>
#include <vector>

namespace kestrom::test {

// A cursor drawn in memory: every size given (square, filled with colour), the hot spot given
// for the first size and scaled for the others, steps frames of jiffies each.
CursorObject MakeCursor(std::vector<int> sizes, QPoint hotSpot, int steps = 1,
                        std::uint32_t jiffies = 0, QRgb colour = 0x80FF0000u);

// Artwork that remembers what each icon and cursor it handed out stands for ("file:C:\x.cur",
// "builtin:icon_3"), so tests can tell which one a role got.
class FakeArtwork : public CursorArtwork {
public:
    HICON FileIcon(const QString& fileName) override;
    HICON BuiltInIcon(const QString& resourceName) override;
    HCURSOR FileCursor(const QString& fileName) override;
    HCURSOR BuiltInCursor(const QString& resourceName) override;

    QString NameOf(const HICON& icon) const;
    QString NameOf(const HCURSOR& cursor) const;

private:
    HICON icon(const QString& name);
    HCURSOR cursor(const QString& name);

    std::map<const void*, QString> names_;
    std::vector<std::shared_ptr<const void>> kept_;
};

} // namespace kestrom::test
