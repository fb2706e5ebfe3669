#include "platform/RegistryHive.h"

#include "platform/ERegistryError.h"
#include "platform/Registry.h"
#include "platform/UserNotice.h"

#include "tests/support/HermeticEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;

QString hivePath(const char* name) {
    return HermeticEnvironment::root() + QStringLiteral("/") + QLatin1String(name);
}

TEST(RegistryHive, NamesIgnoreCaseButKeepIt) {
    RegistryHive hive(hivePath("case.db"));
    hive.setValue(QStringLiteral("Control Panel\\Cursors"), RegValue::fromString("Arrow", "a.cur"));
    hive.setValue(QStringLiteral("CONTROL PANEL\\cursors"), RegValue::fromString("ARROW", "b.cur"));
    EXPECT_EQ(hive.subKeyNames(QString()), QStringList{"Control Panel"});
    EXPECT_EQ(hive.subKeyNames(QStringLiteral("control panel")), QStringList{"Cursors"});
    EXPECT_EQ(hive.valueNames(QStringLiteral("control panel\\cursors")), QStringList{"Arrow"});
    EXPECT_EQ(hive.value(QStringLiteral("Control Panel\\Cursors"), "arrow")->text(), "b.cur");
    EXPECT_TRUE(hive.keyExists(QStringLiteral("\\control panel\\CURSORS\\")));
}

TEST(RegistryHive, ListsSubKeysByNameAndValuesByCreation) {
    RegistryHive hive(hivePath("order.db"));
    for (const char* key : {"beta", "Alpha", "gamma", "ALPHA2"})
        hive.createKey(QStringLiteral("Schemes\\") + QLatin1String(key));
    for (const char* value : {"Zed", "arrow", "Middle"})
        hive.setValue(QStringLiteral("Schemes"), RegValue::fromString(value, "x"));
    hive.setValue(QStringLiteral("Schemes"), RegValue::fromString("ARROW", "rewritten"));
    EXPECT_EQ(hive.subKeyNames(QStringLiteral("Schemes")),
              (QStringList{"Alpha", "ALPHA2", "beta", "gamma"}));
    EXPECT_EQ(hive.valueNames(QStringLiteral("Schemes")), (QStringList{"Zed", "arrow", "Middle"}));
}

TEST(RegistryHive, KeepsEveryTypeAndTheDefaultValue) {
    RegistryHive hive(hivePath("types.db"));
    const QString key = QStringLiteral("Software\\Types");
    const RegValue values[] = {
        RegValue::fromString(QString(), "the default"),
        RegValue::fromString("path", "%SystemRoot%\\cursors", REG_EXPAND_SZ),
        RegValue::fromDword("count", 0xDEADBEEF),
        RegValue::fromBytes("blob", REG_BINARY, QByteArray("\x00\x01\xFF", 3)),
        RegValue::fromStrings("list", {"one", "two", "three"}),
    };
    for (const RegValue& v : values)
        hive.setValue(key, v);
    RegistryHive again(hive.file()); // a second connection reads what the first wrote
    for (const RegValue& v : values)
        EXPECT_EQ(again.value(key, v.name), v) << v.name.toStdString();
    EXPECT_EQ(again.value(key, "count")->dword(), 0xDEADBEEFu);
    EXPECT_EQ(again.value(key, "list")->strings(), (QStringList{"one", "two", "three"}));
}

TEST(RegistryHive, DeletesValuesAndWholeTrees) {
    RegistryHive hive(hivePath("delete.db"));
    hive.setValue(QStringLiteral("a\\b\\c"), RegValue::fromString("v", "1"));
    hive.setValue(QStringLiteral("a\\keep"), RegValue::fromString("v", "2"));
    EXPECT_TRUE(hive.deleteValue(QStringLiteral("A\\KEEP"), "V"));
    EXPECT_FALSE(hive.deleteValue(QStringLiteral("a\\keep"), "v"));
    EXPECT_TRUE(hive.deleteKey(QStringLiteral("a\\B")));
    EXPECT_FALSE(hive.keyExists(QStringLiteral("a\\b\\c")));
    EXPECT_TRUE(hive.keyExists(QStringLiteral("a\\keep")));
    EXPECT_FALSE(hive.deleteKey(QStringLiteral("missing")));
}

TEST(RegistryHive, AMissingFileReadsEmptyAndIsMadeOnTheFirstWrite) {
    const QString file = hivePath("deep/folder/new.db");
    RegistryHive hive(file);
    EXPECT_FALSE(hive.keyExists(QStringLiteral("x")));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(hive.canWrite());
    hive.createKey(QStringLiteral("x"));
    EXPECT_TRUE(QFile::exists(file));
}

TEST(RegistryHive, SeesAFileAnotherProgramMadeMeanwhile) {
    const QString file = hivePath("later.db");
    RegistryHive reader(file);
    EXPECT_FALSE(reader.keyExists(QStringLiteral("k")));
    RegistryHive(file).setValue(QStringLiteral("k"), RegValue::fromString("v", "1"));
    EXPECT_EQ(reader.value(QStringLiteral("k"), "v")->text(), "1");
}

TEST(RegistryHive, AnEmptyFileIsAnEmptyHive) {
    const QString file = hivePath("empty.db");
    QFile(file).open(QIODevice::WriteOnly);
    RegistryHive hive(file);
    EXPECT_FALSE(hive.isBroken());
    hive.setValue(QStringLiteral("k"), RegValue::fromString("v", "1"));
    EXPECT_EQ(hive.value(QStringLiteral("k"), "v")->text(), "1");
}

TEST(RegistryHive, AnUnreadableFileIsLeftAsItIsAndSaidOnce) {
    const QString file = Registry::hiveFile(RegRoot::CurrentUser);
    QByteArray garbage("this is not a database at all, just some text of a user's\n");
    garbage = garbage.repeated(100);
    {
        QFile out(file);
        QDir().mkpath(QFileInfo(file).path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(garbage);
    }
    QStringList notices;
    SetUserNoticeSink([&](const QString&, const QString& message) { notices << message; });

    RegistryHive& hive = Registry::hive(RegRoot::CurrentUser);
    EXPECT_TRUE(hive.isBroken());
    EXPECT_FALSE(hive.keyExists(QStringLiteral("Control Panel")));
    EXPECT_TRUE(hive.valueNames(QStringLiteral("Control Panel")).isEmpty());
    EXPECT_FALSE(hive.canWrite());
    try {
        hive.setValue(QStringLiteral("k"), RegValue::fromString("v", "1"));
        ADD_FAILURE() << "a write to an unreadable hive must fail";
    } catch (const ERegistryError& e) {
        EXPECT_TRUE(e.message().contains(file));
    }
    EXPECT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.value(0).contains(file));

    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), garbage);
    SetUserNoticeSink(nullptr);
}

TEST(RegistryHive, AnotherProgramsDatabaseIsNotTakenOver) {
    const QString file = hivePath("foreign.db");
    {
        RegistryHive scratch(hivePath("scratch.db"));
        scratch.createKey(QStringLiteral("x"));
    }
    // A valid SQLite file that holds someone else's tables.
    SqliteDatabase other;
    ASSERT_TRUE(other.open(file, SqliteDatabase::OpenMode::CreateIfMissing));
    ASSERT_TRUE(other.exec("CREATE TABLE photos(id INTEGER)"));
    other.close();
    SetUserNoticeSink([](const QString&, const QString&) {});
    RegistryHive hive(file);
    EXPECT_TRUE(hive.isBroken());
    EXPECT_THROW(hive.createKey(QStringLiteral("x")), ERegistryError);
    SetUserNoticeSink(nullptr);
}

TEST(RegistryHive, AFailedTransactionWritesNothing) {
    RegistryHive hive(hivePath("atomic.db"));
    EXPECT_THROW(hive.transaction([&] {
        hive.setValue(QStringLiteral("k"), RegValue::fromString("first", "1"));
        throw ERegistryError(QStringLiteral("stop halfway"));
    }),
                 ERegistryError);
    EXPECT_FALSE(hive.keyExists(QStringLiteral("k")));
}

TEST(Registry, NamesRootsAndKeyPaths) {
    EXPECT_EQ(Registry::parseRoot("hkcu"), RegRoot::CurrentUser);
    EXPECT_EQ(Registry::parseRoot("HKEY_LOCAL_MACHINE"), RegRoot::LocalMachine);
    EXPECT_FALSE(Registry::parseRoot("HKEY_CLASSES_ROOT"));
    const auto key =
        Registry::parseKeyPath(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\Cursors\\"));
    ASSERT_TRUE(key);
    EXPECT_EQ(key->path, QStringLiteral("Control Panel\\Cursors"));
    EXPECT_EQ(Registry::hiveFile(RegRoot::LocalMachine), HermeticEnvironment::machineHive());
    EXPECT_TRUE(Registry::hiveFile(RegRoot::CurrentUser)
                    .startsWith(HermeticEnvironment::root() + QStringLiteral("/config/kestrom/")));
}

} // namespace
} // namespace kestrom
