#include "main/TerminalPrompt.h"

#include "main/Console.h"

namespace kestrom {

TerminalPrompt::TerminalPrompt(Console& console, bool assumeYes, QString name)
    : console_(console), assumeYes_(assumeYes), name_(std::move(name)) {}

bool TerminalPrompt::AskYesNo(const QString& question) {
    if (assumeYes_)
        return true;
    if (!console_.isTerminal())
        return false;
    console_.writeErr(question + QStringLiteral(" [y/N] "));
    const QString answer = console_.readLine().trimmed();
    return answer.compare(QStringLiteral("y"), Qt::CaseInsensitive) == 0 ||
           answer.compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0;
}

bool TerminalPrompt::AskName(QString& name) {
    name = name_;
    return true;
}

} // namespace kestrom
