#pragma once

#include "cursors/CursorSet.h"

#include <QString>

#include <functional>

namespace kestrom {

class CursorArtwork;
class SystemCursorTarget;
class UserPrompt;

// The cursor set with the previews that "Change Cursor", "Restore Default" and "Install" work
// on: the main window's state for these commands, without the window.
class CursorWorkspace {
public:
    static const QString kInstallQuestion;

    CursorWorkspace(CursorArtwork& artwork, SystemCursorTarget& target);

    CursorSet& Set() { return set_; }
    const CursorSet& Set() const { return set_; }
    CursorArtwork& Artwork() const { return artwork_; }

    HICON SelectedIcon;
    QString SelectedPath;
    HICON NewIcon;
    QString NewPath;
    int SelectedRow = -1; // the cursor list's row; -1 when none is selected
    // Called when a role changed, so that the list and the "Selected:" preview are redrawn.
    std::function<void()> OnSetChanged;

    void ChangeCursor();
    void RestoreDefault();
    // Asks first; on Yes writes the fifteen paths and the active scheme name and applies the
    // cursors. False when the answer was not Yes.
    bool Install(UserPrompt& prompt, const QString& schemeName);

private:
    void InstallRoles();
    HCURSOR CursorFor(const IconRec& record, int slot) const;
    void Changed();

    CursorArtwork& artwork_;
    SystemCursorTarget& target_;
    CursorSet set_;
};

} // namespace kestrom
