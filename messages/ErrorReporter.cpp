#include "messages/ErrorReporter.h"

#include "messages/EInvalidPointer.h"
#include "messages/ErrorText.h"
#include "platform/EInOutError.h"
#include "platform/UserNotice.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <new>

namespace kestrom {

namespace {

QString applicationTitle() {
    if (QCoreApplication::instance() && !QCoreApplication::applicationName().isEmpty())
        return QCoreApplication::applicationName();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).baseName();
}

struct Title {
    QString text;
    bool taken = false;
};

Title& title() {
    static Title t;
    return t;
}

} // namespace

QString& ErrorTitle() {
    Title& t = title();
    if (!t.taken) {
        t.text = applicationTitle();
        t.taken = true;
    }
    return t.text;
}

void ClearErrorTitle() {
    title().text.clear();
    title().taken = true;
}

void ShowError(const QString& message) {
    ShowUserNotice(ErrorTitle(), message);
}

QString ExceptionText(const std::exception& e) {
    if (const auto* io = dynamic_cast<const EInOutError*>(&e))
        return ErrorText(io->ErrorCode());
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return OutOfMemoryText();
    if (dynamic_cast<const EInvalidPointer*>(&e))
        return InvalidPointerText();
    return QString::fromUtf8(e.what());
}

void ReportException(const std::exception& e) {
    const QString text = ExceptionText(e);
    if (!text.isEmpty())
        ShowError(text);
}

} // namespace kestrom
