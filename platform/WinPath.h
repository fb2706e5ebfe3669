#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kestrom {

struct Drive;

// Where a Windows path lands on the host.
struct HostLocation {
    int error = 0;       // 0, or 3 (no such drive) / 21 (drive not ready)
    QString windowsPath; // the absolute, normalised Windows form
    QString hostPath;    // the host path, resolved without regard to case
    const Drive* drive = nullptr;
    bool isDriveRoot = false;
    bool exists = false; // every component named something on the host
};

// Windows paths ("C:\Users\x") and their host form ("/Users/x" when C: is "/").
class WinPath {
public:
    // The absolute, normalised form of path: "\x" is below the root of base's drive, "x" and
    // ".." are relative to base, "C:x" is relative to base when base is on C: and otherwise to
    // C:'s root. "." and ".." components are folded, separators collapsed, and the trailing
    // backslash removed except at a drive root. Empty when path cannot be a local path
    // (a network path, a malformed drive).
    static QString absoluteFrom(const QString& base, const QString& path);
    // absoluteFrom with the process current folder as base.
    static QString absolute(const QString& path);
    // Maps a Windows path onto the host, resolving each component without regard to case:
    // an exact match wins, otherwise the first case-insensitive match in name order.
    static HostLocation toHost(const QString& path);
    // The Windows form of an absolute host path; empty when no drive holds it.
    static QString fromHost(const QString& hostPath);
    // What a person typed: a POSIX path ("/home/x") is converted, anything else kept.
    static QString fromUserInput(const QString& text);
    // Host file names that can stand in a Windows listing: valid UTF-8 without a backslash
    // or control characters.
    static bool isListableName(const QByteArray& hostName);
    // The components of an absolute Windows path below its drive ("C:\a\b" gives a, b).
    static QStringList components(const QString& absolutePath);
};

} // namespace kestrom
