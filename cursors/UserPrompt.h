#pragma once

#include <QString>

namespace kestrom {

// The prompt window's two uses by the cursor commands: the main window shows it, the command
// line asks on the terminal.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    // Question mode, buttons "No" and "Yes": true only for Yes.
    virtual bool AskYesNo(const QString& question) = 0;
    // Name prompt: true when confirmed with OK, the typed text in name.
    virtual bool AskName(QString& name) = 0;
};

} // namespace kestrom
