#include "main/Console.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace kestrom {

void StdConsole::writeOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void StdConsole::writeErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

QByteArray StdConsole::readIn() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

bool StdConsole::isTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

QString StdConsole::readLine() {
    QByteArray line;
    for (int c = std::fgetc(stdin); c != EOF && c != '\n'; c = std::fgetc(stdin)) {
        if (line.size() < 4096)
            line.append(static_cast<char>(c));
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

} // namespace kestrom
