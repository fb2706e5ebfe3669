#pragma once

#include <QByteArray>
#include <QString>

namespace kestrom {

// Where a command reads its input and writes its output; tests give it buffers.
class Console {
public:
    virtual ~Console() = default;
    virtual void writeOut(const QByteArray& bytes) = 0;
    virtual void writeErr(const QString& text) = 0;
    virtual QByteArray readIn() = 0;
    // Whether a person can answer: standard input is a terminal.
    virtual bool isTerminal() = 0;
    // One line of standard input without its line end; empty at the end of input.
    virtual QString readLine() = 0;
};

// The process's standard streams.
class StdConsole : public Console {
public:
    void writeOut(const QByteArray& bytes) override;
    void writeErr(const QString& text) override;
    QByteArray readIn() override;
    bool isTerminal() override;
    QString readLine() override;
};

} // namespace kestrom
