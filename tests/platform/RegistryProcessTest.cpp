#include "platform/ERegistryError.h"
#include "platform/Registry.h"
#include "platform/RegistryHive.h"

#include "tests/support/HermeticEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>

namespace kestrom {
namespace {

using test::HermeticEnvironment;

QString valueName(int i) {
    return QStringLiteral("v%1").arg(i, 6, 10, QChar(u'0'));
}

// Runs body in a child process with a connection of its own; the child's exit code is body's.
pid_t spawn(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(RegistryProcesses, AKilledWriterLeavesAPrefixOfItsWrites) {
    static int run = 0;
    const QString file = HermeticEnvironment::root() + QStringLiteral("/killed-%1.db").arg(++run);
    RegistryHive(file).createKey(QStringLiteral("Loop")); // the file exists before the child runs
    const pid_t child = spawn([&] {
        RegistryHive hive(file);
        for (int i = 0; i < 1000000; ++i)
            hive.setValue(QStringLiteral("Loop"), RegValue::fromString(valueName(i), "x"));
        return 0;
    });
    // Let it write for a while, then kill it wherever it is.
    for (int tries = 0; tries < 2000; ++tries) {
        if (RegistryHive(file).valueNames(QStringLiteral("Loop")).size() >= 50)
            break;
        ::usleep(2000);
    }
    ::kill(child, SIGKILL);
    EXPECT_EQ(waitFor(child), 128 + SIGKILL);

    RegistryHive after(file);
    EXPECT_FALSE(after.isBroken());
    const QStringList names = after.valueNames(QStringLiteral("Loop"));
    ASSERT_GE(names.size(), 50);
    for (int i = 0; i < names.size(); ++i)
        ASSERT_EQ(names[i], valueName(i)) << "writes must land in order, with no gap";
    after.setValue(QStringLiteral("Loop"), RegValue::fromString("after", "still writable"));
}

TEST(RegistryProcesses, TwoWritersLoseNothing) {
    static int run = 0;
    const QString file = HermeticEnvironment::root() + QStringLiteral("/shared-%1.db").arg(++run);
    constexpr int kEach = 150;
    const auto writer = [&](char tag) {
        return spawn([&file, tag] {
            RegistryHive hive(file);
            for (int i = 0; i < kEach; ++i) {
                hive.setValue(QStringLiteral("Shared"),
                              RegValue::fromString(QLatin1Char(tag) + valueName(i), "x"));
                hive.createKey(QStringLiteral("Shared\\%1%2").arg(QLatin1Char(tag)).arg(i % 7));
            }
            return 0;
        });
    };
    const pid_t a = writer('a');
    const pid_t b = writer('b');
    EXPECT_EQ(waitFor(a), 0);
    EXPECT_EQ(waitFor(b), 0);
    RegistryHive hive(file);
    const QStringList names = hive.valueNames(QStringLiteral("Shared"));
    EXPECT_EQ(std::set<QString>(names.begin(), names.end()).size(), size_t{2 * kEach});
    EXPECT_EQ(hive.subKeyNames(QStringLiteral("Shared")).size(), 14);
}

TEST(RegistryProcesses, AMachineHiveTheUserCannotWriteOpensReadOnly) {
    const QString file = HermeticEnvironment::machineHive();
    Registry::hive(RegRoot::LocalMachine)
        .setValue(QStringLiteral("Software\\Schemes"), RegValue::fromString("Old", "a,b,"));
    // Readable by everyone, writable by nobody but its owner; the check runs as another user
    // when the tests run as the superuser, who may write anything.
    for (const QString& folder : {HermeticEnvironment::root(), QFileInfo(file).path()})
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(file).constData(), 0444);
    const pid_t child = spawn([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 10;
        RegistryHive hive(file);
        if (hive.canWrite())
            return 11;
        if (hive.value(QStringLiteral("software\\schemes"), "old")->text() != "a,b,")
            return 12;
        try {
            hive.setValue(QStringLiteral("Software\\Schemes"), RegValue::fromString("New", "x"));
            return 13;
        } catch (const ERegistryError& e) {
            return e.message().contains(file) ? 0 : 14;
        }
    });
    EXPECT_EQ(waitFor(child), 0);
}

} // namespace
} // namespace kestrom
