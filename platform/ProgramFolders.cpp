#include "platform/ProgramFolders.h"

#include "platform/WinPath.h"

#include <QDir>
#include <QFileInfo>

namespace kestrom {

namespace {

QString xdgFolder(const char* variable, const char* fallbackBelowHome) {
    const QString set = qEnvironmentVariable(variable);
    if (!set.isEmpty() && set.startsWith(u'/'))
        return QDir::cleanPath(set);
    return QDir::cleanPath(QDir::homePath() + u'/' + QLatin1String(fallbackBelowHome));
}

} // namespace

QString ProgramFolders::programFolder() {
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return WinPath::fromHost(QFileInfo(exe).path());
}

QString ProgramFolders::userDataHostFolder() {
    return xdgFolder("XDG_DATA_HOME", ".local/share") + QStringLiteral("/kestrom");
}

QString ProgramFolders::userDataFolder() {
    return WinPath::fromHost(userDataHostFolder());
}

QString ProgramFolders::userConfigHostFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config") + QStringLiteral("/kestrom");
}

} // namespace kestrom
