#include "cursors/XcursorThemeInstaller.h"

#include "cursors/CursorThemeFolder.h"
#include "cursors/LiveCursorSwap.h"
#include "cursors/ThemeActivation.h"
#include "cursors/XcursorFile.h"
#include "cursors/XcursorFrames.h"
#include "cursors/XcursorNames.h"

namespace kestrom {

void XcursorThemeInstaller::SetSystemCursor(const HCURSOR& cursor, int id) {
    if (cursor && !XcursorNames::ForSystemCursor(id).isEmpty())
        staged_[id] = cursor;
}

void XcursorThemeInstaller::Flush() {
    wrote_ = false;
    std::vector<ThemeCursorFile> files;
    std::vector<QStringList> names;
    for (const int id : XcursorNames::SystemCursors()) {
        const auto it = staged_.find(id);
        if (it == staged_.end())
            continue;
        const QByteArray bytes = XcursorFile::Encode(XcursorFrames::Build(*it->second));
        if (bytes.isEmpty())
            continue;
        const QStringList all = XcursorNames::ForSystemCursor(id);
        files.push_back({all.first(), bytes, all.mid(1)});
        names.push_back(all);
    }
    staged_.clear();
    if (files.empty())
        return;
    if (!CursorThemeFolder::Write(files, ThemeActivation::PreviousTheme()))
        return;
    wrote_ = true;
    ThemeActivation::Activate();
    LiveCursorSwap::Swap(CursorThemeFolder::kThemeName, names);
}

} // namespace kestrom
