#include "settings/TRegIniFile.h"

#include "platform/ERegistryError.h"
#include "platform/RegistryHive.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

RegistryHive& user() {
    return Registry::hive(RegRoot::CurrentUser);
}

TEST(TRegIniFile, AViewOnAMissingKeyCreatesItEmpty) {
    TRegIniFile ini(QStringLiteral("Software\\Quennet\\Kestrom"));
    EXPECT_TRUE(user().keyExists(QStringLiteral("software\\quennet\\kestrom")));
    EXPECT_TRUE(user().valueNames(QStringLiteral("software\\quennet\\kestrom")).isEmpty());
    EXPECT_TRUE(user().subKeyNames(QStringLiteral("software\\quennet\\kestrom")).isEmpty());
}

TEST(TRegIniFile, ReadsSectionsAndTheDefaultValue) {
    TRegIniFile ini(QStringLiteral("Software\\Quennet"));
    ini.WriteString(QStringLiteral("Morvith"), QStringLiteral("SectionsZip"),
                    QStringLiteral("1,2,3,4"));
    ini.WriteString(QString(), QString(), QStringLiteral("unnamed"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("morvith"), QStringLiteral("sectionszip"), "d"),
              "1,2,3,4");
    EXPECT_EQ(ini.ReadString(QString(), QString(), "d"), "unnamed");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Morvith"), QStringLiteral("Missing"), "d"), "d");
    EXPECT_EQ(ini.ReadString(QStringLiteral("NoSection"), QStringLiteral("x"), "d"), "d");
    EXPECT_EQ(user().value(QStringLiteral("Software\\Quennet\\Morvith"), "SectionsZip")->type,
              REG_SZ);
}

TEST(TRegIniFile, ReadsNumbersAndBooleansAsTheirTexts) {
    TRegIniFile ini(QStringLiteral("Software\\Quennet\\Kestrom"));
    struct Case {
        const char* text;
        int asInteger; // with default 77
        bool asBool;   // with default false
    };
    const Case cases[] = {
        {"1", 1, true},     {"0", 0, false}, {"-12", -12, true},   {"7", 7, true},
        {"yes", 77, false}, {"", 77, false}, {"12abc", 77, false}, {"99999999999", 77, false},
    };
    for (const Case& c : cases) {
        ini.WriteString(QString(), QStringLiteral("v"), QString::fromUtf8(c.text));
        EXPECT_EQ(ini.ReadInteger(QString(), QStringLiteral("v"), 77), c.asInteger) << c.text;
        EXPECT_EQ(ini.ReadBool(QString(), QStringLiteral("v"), false), c.asBool) << c.text;
    }
    EXPECT_TRUE(ini.ReadBool(QString(), QStringLiteral("absent"), true));
    ini.WriteBool(QString(), QStringLiteral("flag"), true);
    EXPECT_EQ(ini.ReadString(QString(), QStringLiteral("flag"), "d"), "1");
    ini.WriteBool(QString(), QStringLiteral("flag"), false);
    EXPECT_EQ(ini.ReadString(QString(), QStringLiteral("flag"), "d"), "0");
}

TEST(TRegIniFile, TakesHexadecimalOnlyWhereAsked) {
    TRegIniFile ini(QStringLiteral("Software\\Quennet"));
    ini.WriteString(QString(), QStringLiteral("BalloonPen"), QStringLiteral("0xFF00"));
    ini.WriteString(QString(), QStringLiteral("Short"), QStringLiteral("0x"));
    EXPECT_EQ(ini.ReadIntegerOrHex(QString(), QStringLiteral("BalloonPen"), 0), 0xFF00);
    EXPECT_EQ(ini.ReadInteger(QString(), QStringLiteral("BalloonPen"), 5), 5);
    EXPECT_EQ(ini.ReadIntegerOrHex(QString(), QStringLiteral("Short"), 5), 5);
}

TEST(TRegIniFile, DeletesValuesAndIgnoresMissingSections) {
    TRegIniFile ini(QStringLiteral("Control Panel\\Cursors"));
    ini.WriteString(QStringLiteral("Schemes"), QStringLiteral("Mine"), QStringLiteral("a,b,"));
    ini.DeleteKey(QStringLiteral("schemes"), QStringLiteral("mine"));
    EXPECT_TRUE(user().valueNames(QStringLiteral("Control Panel\\Cursors\\Schemes")).isEmpty());
    ini.DeleteKey(QStringLiteral("NoSuch"), QStringLiteral("x"));
    EXPECT_FALSE(user().keyExists(QStringLiteral("Control Panel\\Cursors\\NoSuch")));
}

TEST(TRegIniFile, WorksBelowAKeyOpenedOnAnotherRoot) {
    Registry::hive(RegRoot::LocalMachine)
        .setValue(
            QStringLiteral(
                "software\\microsoft\\windows\\currentversion\\Control Panel\\Cursors\\Schemes"),
            RegValue::fromString("Machine", "x,y,"));
    TRegIniFile ini(QStringLiteral("software\\microsoft\\windows\\currentversion"));
    ini.SetRootKey(RegRoot::LocalMachine);
    ASSERT_TRUE(ini.OpenKey(
        QStringLiteral("software\\microsoft\\windows\\currentversion\\Control Panel\\Cursors"),
        false));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Schemes"), QStringLiteral("Machine"), ""), "x,y,");
}

TEST(TRegIniFile, ANonStringValueOrAFailedWriteRaises) {
    user().setValue(QStringLiteral("Software\\Quennet"), RegValue::fromDword("BalloonBknd", 1));
    TRegIniFile ini(QStringLiteral("Software\\Quennet"));
    EXPECT_THROW(ini.ReadString(QString(), QStringLiteral("BalloonBknd"), "d"), ERegistryError);
    EXPECT_THROW(ini.ReadInteger(QString(), QStringLiteral("BalloonBknd"), 0), ERegistryError);

    qputenv("KESTROM_MACHINE_HIVE", "/proc/kestrom-no-such-place/machine.db");
    TRegIniFile machine(QStringLiteral("Software"));
    machine.SetRootKey(RegRoot::LocalMachine);
    EXPECT_EQ(machine.ReadString(QString(), QStringLiteral("x"), "d"), "d");
    EXPECT_THROW(machine.WriteString(QString(), QStringLiteral("x"), "v"), ERegistryError);
}

} // namespace
} // namespace kestrom
