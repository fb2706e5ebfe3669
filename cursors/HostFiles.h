#pragma once

#include <QByteArray>
#include <QString>

namespace kestrom {

// File operations on host paths for the theme and its activation: nothing here follows a
// symbolic link it finds in place of a file or folder.
class HostFiles {
public:
    // An existing entry that is a symbolic link.
    static bool IsSymLink(const QString& path);
    // A real folder (not a link to one).
    static bool IsRealFolder(const QString& path);
    // Makes folder when missing; false when it cannot, or when it or its parent is a link.
    static bool MakeFolder(const QString& path);
    // Writes bytes to path through a new file beside it that is renamed over path, so readers
    // see the old file or the new one, never a part. A link at path is replaced, not followed.
    static bool WriteAtomically(const QString& path, const QByteArray& bytes);
    // Writes a new file (never an existing entry); false when it cannot.
    static bool WriteNew(const QString& path, const QByteArray& bytes);
    // What a link holds, as written (not resolved).
    static QString LinkTarget(const QString& linkPath);
    static bool MakeLink(const QString& target, const QString& linkPath);
    // Puts folder source in place of target in one step; target may be missing.
    static bool Exchange(const QString& source, const QString& target);
    // Removes path with everything below it; links are removed, never entered.
    static void RemoveTree(const QString& path);
    static QByteArray ReadSmallFile(const QString& path, qint64 limit);
};

} // namespace kestrom
