#include "tests/support/HermeticEnvironment.h"

#include <QDir>

#include <cstdlib>
#include <memory>

namespace kestrom::test {

namespace {

std::unique_ptr<QTemporaryDir>& folder() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

void setVariable(const char* name, const QString& value) {
    ::setenv(name, value.toLocal8Bit().constData(), 1);
}

} // namespace

void HermeticEnvironment::install() {
    folder() =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/kestrom-test-XXXXXX"));
    const QString base = folder()->path();
    for (const char* sub : {"home", "config", "data", "cache", "c", "var"})
        QDir(base).mkpath(QString::fromLatin1(sub));
    setVariable("HOME", base + QStringLiteral("/home"));
    setVariable("XDG_CONFIG_HOME", base + QStringLiteral("/config"));
    setVariable("XDG_DATA_HOME", base + QStringLiteral("/data"));
    setVariable("XDG_CACHE_HOME", base + QStringLiteral("/cache"));
    setVariable("KESTROM_DRIVES", QStringLiteral("C=%1:3").arg(driveC()));
    setVariable("KESTROM_MACHINE_HIVE", machineHive());
    setVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
}

QString HermeticEnvironment::root() {
    return folder()->path();
}

QString HermeticEnvironment::driveC() {
    return root() + QStringLiteral("/c");
}

QString HermeticEnvironment::machineHive() {
    return root() + QStringLiteral("/var/machine.db");
}

} // namespace kestrom::test
