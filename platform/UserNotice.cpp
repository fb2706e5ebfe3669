#include "platform/UserNotice.h"

#include <cstdio>

namespace kestrom {

namespace {

void writeToStandardError(const QString& title, const QString& message) {
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QByteArray line = (title.isEmpty() ? text : title + QStringLiteral(": ") + text).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
}

UserNoticeSink& currentSink() {
    static UserNoticeSink sink = writeToStandardError;
    return sink;
}

} // namespace

UserNoticeSink SetUserNoticeSink(UserNoticeSink sink) {
    UserNoticeSink previous = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : UserNoticeSink(writeToStandardError);
    return previous;
}

void ShowUserNotice(const QString& title, const QString& message) {
    currentSink()(title, message);
}

} // namespace kestrom
