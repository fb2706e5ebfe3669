#pragma once

#include "cursors/UserPrompt.h"

namespace kestrom {

class Console;

// The prompt window's questions on the terminal. With --yes every question is answered Yes;
// without a terminal to ask, the answer is No.
class TerminalPrompt : public UserPrompt {
public:
    TerminalPrompt(Console& console, bool assumeYes, QString name = {});

    bool AskYesNo(const QString& question) override;
    // The name given on the command line.
    bool AskName(QString& name) override;

private:
    Console& console_;
    bool assumeYes_;
    QString name_;
};

} // namespace kestrom
