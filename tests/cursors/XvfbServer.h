#pragma once

#include <QProcess>
#include <QString>

namespace kestrom::test {

// A private X server (Xvfb) on a display number nobody uses, for as long as the object lives.
class XvfbServer {
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    static bool Installed();
    // Starts the server; false when none could be started.
    bool Start();
    // ":N"
    const QString& Display() const { return display_; }

private:
    bool StartOn(int number);

    QProcess process_;
    QString display_;
};

} // namespace kestrom::test
