#pragma once

#include "cursors/SystemCursorTarget.h"
#include "cursors/UserPrompt.h"

#include <QString>
#include <QStringList>

#include <map>

namespace kestrom::test {

// Remembers which cursor each system identifier got and how often the run was flushed.
class RecordingTarget : public SystemCursorTarget {
public:
    void SetSystemCursor(const HCURSOR& cursor, int id) override { applied[id] = cursor; }
    void Flush() override { ++flushes; }

    std::map<int, HCURSOR> applied;
    int flushes = 0;
};

// Answers every question and name prompt as told, remembering what was asked.
class ScriptedPrompt : public UserPrompt {
public:
    explicit ScriptedPrompt(bool yes, QString name = {}, bool nameOk = true)
        : yes_(yes), name_(std::move(name)), nameOk_(nameOk) {}
    bool AskYesNo(const QString& question) override {
        asked << question;
        return yes_;
    }
    bool AskName(QString& name) override {
        asked << QStringLiteral("name?");
        name = name_;
        return nameOk_;
    }

    QStringList asked;

private:
    bool yes_;
    QString name_;
    bool nameOk_;
};

} // namespace kestrom::test
