#include "tests/cursors/XvfbServer.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace kestrom::test {

namespace {

QString socketOf(int number) {
    return QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
}

bool displayTaken(int number) {
    return QFile::exists(socketOf(number)) ||
           QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number));
}

} // namespace

XvfbServer::~XvfbServer() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
}

bool XvfbServer::Installed() {
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

bool XvfbServer::StartOn(int number) {
    const QString display = QStringLiteral(":%1").arg(number);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStandardPaths::findExecutable(QStringLiteral("Xvfb")),
                   {display, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                    QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("320x240x24")});
    if (!process_.waitForStarted(5000))
        return false;
    for (int i = 0; i < 200; ++i) { // up to ten seconds
        if (process_.state() == QProcess::NotRunning)
            return false; // someone else took the display meanwhile
        if (QFile::exists(socketOf(number))) {
            display_ = display;
            return true;
        }
        QThread::msleep(50);
    }
    process_.kill();
    process_.waitForFinished(5000);
    return false;
}

bool XvfbServer::Start() {
    for (int number = 140; number < 240; ++number) {
        if (!displayTaken(number) && StartOn(number))
            return true;
    }
    return false;
}

} // namespace kestrom::test
