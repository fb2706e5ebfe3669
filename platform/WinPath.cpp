#include "platform/WinPath.h"

#include "platform/CaseResolver.h"
#include "platform/CurrentFolder.h"
#include "platform/DriveTable.h"
#include "platform/WinError.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace kestrom {

namespace {

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

bool hasDrive(const QString& path) {
    return path.size() >= 2 && path[1] == u':' && path[0].unicode() < 128 && path[0].isLetter();
}

QString joinComponents(QChar letter, const QStringList& parts) {
    QString out = QString(letter.toUpper()) + QStringLiteral(":\\");
    out += parts.join(u'\\');
    return out;
}

// Folds "." and ".." of rest onto the components of base.
QStringList fold(QStringList parts, const QString& rest) {
    QString piece;
    auto flush = [&]() {
        if (piece == QStringLiteral("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!piece.isEmpty() && piece != QStringLiteral(".")) {
            parts.append(piece);
        }
        piece.clear();
    };
    for (QChar c : rest) {
        if (isSeparator(c))
            flush();
        else
            piece += c;
    }
    flush();
    return parts;
}

} // namespace

QStringList WinPath::components(const QString& absolutePath) {
    if (!hasDrive(absolutePath))
        return {};
    return fold({}, absolutePath.mid(2));
}

QString WinPath::absoluteFrom(const QString& base, const QString& path) {
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        return {}; // network paths have no drive here
    if (hasDrive(path)) {
        const QChar letter = path[0].toUpper();
        const QString rest = path.mid(2);
        if (!rest.isEmpty() && isSeparator(rest[0]))
            return joinComponents(letter, fold({}, rest));
        const bool sameDrive = hasDrive(base) && base[0].toUpper() == letter;
        return joinComponents(letter, fold(sameDrive ? components(base) : QStringList{}, rest));
    }
    if (!hasDrive(base))
        return {};
    if (!path.isEmpty() && isSeparator(path[0]))
        return joinComponents(base[0], fold({}, path));
    return joinComponents(base[0], fold(components(base), path));
}

QString WinPath::absolute(const QString& path) {
    return absoluteFrom(GetCurrentDir(), path);
}

HostLocation WinPath::toHost(const QString& path) {
    HostLocation where;
    where.windowsPath = absolute(path);
    if (where.windowsPath.isEmpty()) {
        where.error = kErrorPathNotFound;
        return where;
    }
    where.drive = DriveTable::current().find(where.windowsPath[0]);
    if (!where.drive) {
        where.error = kErrorPathNotFound;
        return where;
    }
    if (!QFileInfo(where.drive->hostRoot).isDir()) {
        where.error = kErrorNotReady;
        return where;
    }
    const QStringList parts = components(where.windowsPath);
    where.isDriveRoot = parts.isEmpty();
    const CaseResolver::Result resolved = CaseResolver::resolve(where.drive->hostRoot, parts);
    where.hostPath = resolved.hostPath;
    where.exists = resolved.exists;
    return where;
}

QString WinPath::fromHost(const QString& hostPath) {
    if (!hostPath.startsWith(u'/'))
        return {};
    QString rest;
    const Drive* drive = DriveTable::current().driveForHostPath(hostPath, &rest);
    if (!drive)
        return {};
    return joinComponents(drive->letter, rest.split(u'/', Qt::SkipEmptyParts));
}

QString WinPath::fromUserInput(const QString& text) {
    if (!text.startsWith(u'/') || text.startsWith(QStringLiteral("//")))
        return text;
    const QString converted = fromHost(QDir::cleanPath(text));
    return converted.isEmpty() ? text : converted;
}

bool WinPath::isListableName(const QByteArray& hostName) {
    if (hostName.isEmpty())
        return false;
    for (char c : hostName) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '\\')
            return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(hostName);
    return !decoder.hasError();
}

} // namespace kestrom
