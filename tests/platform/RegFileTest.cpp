#include "platform/RegFileReader.h"
#include "platform/RegFileWriter.h"
#include "platform/Registry.h"
#include "platform/RegistryHive.h"

#include "tests/support/HermeticEnvironment.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

QByteArray utf16le(const QString& text) {
    QByteArray out("\xFF\xFE", 2);
    for (QChar c : text) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

QString exportAll(RegFileFormat format = RegFileFormat::Regedit4) {
    RegFileWriter writer(format);
    writer.addRoot(RegRoot::CurrentUser);
    writer.addRoot(RegRoot::LocalMachine);
    return writer.text();
}

void fillStore() {
    RegistryHive& user = Registry::hive(RegRoot::CurrentUser);
    const QString cursors = QStringLiteral("Control Panel\\Cursors");
    user.setValue(cursors, RegValue::fromString(QString(), "Dinosaur"));
    user.setValue(cursors, RegValue::fromString("Arrow", "C:\\Cursors\\a \"quoted\" name.cur"));
    user.setValue(cursors,
                  RegValue::fromString("Wait", "%SystemRoot%\\cursors\\wait.ani", REG_EXPAND_SZ));
    user.setValue(cursors, RegValue::fromString("Note", "two\r\nlines"));
    user.setValue(cursors, RegValue::fromDword("Scheme Source", 2));
    user.setValue(cursors, RegValue::fromBytes("Blob", REG_BINARY, QByteArray(100, '\x5A')));
    user.setValue(cursors, RegValue::fromStrings("Many", {"first", "zweite \xC3\xBC", "third"}));
    user.setValue(cursors, RegValue::fromBytes("Qword", 11,
                                               QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8)));
    user.createKey(QStringLiteral("Control Panel\\Empty"));
    user.setValue(QStringLiteral("Software\\Quennet\\Kestrom"),
                  RegValue::fromString("LastDir", "C:\\"));
    Registry::hive(RegRoot::LocalMachine)
        .setValue(QStringLiteral("Software\\Schemes"), RegValue::fromString("Old", "a,b,"));
}

TEST(RegFile, RoundTripsThroughAnEmptyStore) {
    fillStore();
    for (RegFileFormat format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
        const QString first = exportAll(format);
        RegFileWriter writer(format);
        writer.addRoot(RegRoot::CurrentUser);
        writer.addRoot(RegRoot::LocalMachine);
        const QByteArray bytes = writer.bytes();

        // Into an empty store: new files for both roots.
        const QString other =
            test::HermeticEnvironment::root() +
            (format == RegFileFormat::Regedit4 ? QStringLiteral("/r4") : QStringLiteral("/r5"));
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        const QByteArray oldMachine = qgetenv("KESTROM_MACHINE_HIVE");
        qputenv("XDG_CONFIG_HOME", (other + QStringLiteral("/config")).toUtf8());
        qputenv("KESTROM_MACHINE_HIVE", (other + QStringLiteral("/machine.db")).toUtf8());
        RegFileReader::import(bytes);
        EXPECT_EQ(exportAll(format), first);
        const auto many = Registry::hive(RegRoot::CurrentUser)
                              .value(QStringLiteral("control panel\\cursors"), "many");
        ASSERT_TRUE(many);
        EXPECT_EQ(many->type, REG_MULTI_SZ);
        EXPECT_EQ(many->strings().value(1), QString::fromUtf8("zweite \xC3\xBC"));
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("KESTROM_MACHINE_HIVE", oldMachine);
    }
}

TEST(RegFile, WritesTheRegistryEditorsLayout) {
    Registry::hive(RegRoot::CurrentUser)
        .setValue(QStringLiteral("Control Panel\\Cursors"),
                  RegValue::fromString("Arrow", "C:\\a.cur"));
    Registry::hive(RegRoot::CurrentUser)
        .setValue(QStringLiteral("Control Panel\\Cursors"), RegValue::fromDword("Size", 32));
    RegFileWriter writer(RegFileFormat::Regedit4);
    ASSERT_TRUE(writer.addKey(RegRoot::CurrentUser, QStringLiteral("control panel")));
    EXPECT_EQ(writer.text(), QStringLiteral("REGEDIT4\r\n\r\n"
                                            "[HKEY_CURRENT_USER\\Control Panel]\r\n\r\n"
                                            "[HKEY_CURRENT_USER\\Control Panel\\Cursors]\r\n"
                                            "\"Arrow\"=\"C:\\\\a.cur\"\r\n"
                                            "\"Size\"=dword:00000020\r\n\r\n"));
    EXPECT_FALSE(writer.addKey(RegRoot::CurrentUser, QStringLiteral("No Such Key")));
}

TEST(RegFile, ImportsWhatWindowsWrites) {
    const QString text = QStringLiteral(
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Control Panel\\Cursors]\r\n"
        "@=\"Windows Black\"\r\n"
        "\"AppStarting\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,\\\r\n"
        "  6f,00,74,00,25,00,00,00\r\n"
        "\"Scheme Source\"=dword:00000002\r\n"
        "\"Arrow\"=\"C:\\\\Windows\\\\Cursors\\\\arrow_r.cur\"\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Control Panel\\Cursors\\Schemes]\r\n"
        "\"List\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
        "; a comment\r\n");
    RegFileReader::import(utf16le(text));
    RegistryHive& hive = Registry::hive(RegRoot::CurrentUser);
    const QString key = QStringLiteral("Control Panel\\Cursors");
    EXPECT_EQ(hive.value(key, QString())->text(), "Windows Black");
    const auto start = hive.value(key, "AppStarting");
    EXPECT_EQ(start->type, REG_EXPAND_SZ);
    EXPECT_EQ(start->text(), "%SystemRoot%");
    EXPECT_EQ(hive.value(key, "scheme source")->dword(), 2u);
    EXPECT_EQ(hive.value(key, "Arrow")->text(), "C:\\Windows\\Cursors\\arrow_r.cur");
    EXPECT_EQ(hive.value(key + QStringLiteral("\\Schemes"), "List")->strings(),
              (QStringList{"a", "b"}));
}

TEST(RegFile, AppliesDeletions) {
    RegistryHive& hive = Registry::hive(RegRoot::CurrentUser);
    hive.setValue(QStringLiteral("Old\\Deep"), RegValue::fromString("v", "1"));
    hive.setValue(QStringLiteral("Keep"), RegValue::fromString("gone", "1"));
    hive.setValue(QStringLiteral("Keep"), RegValue::fromString("stays", "1"));
    RegFileReader::import(
        "REGEDIT4\n\n[-HKEY_CURRENT_USER\\Old]\n\n[HKEY_CURRENT_USER\\Keep]\n\"gone\"=-\n");
    EXPECT_FALSE(hive.keyExists(QStringLiteral("Old")));
    EXPECT_EQ(hive.valueNames(QStringLiteral("Keep")), QStringList{"stays"});
}

TEST(RegFile, RefusesBrokenFilesWithoutChangingAnything) {
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"not a registry file\n", 1},
        {"REGEDIT4\n\n\"orphan\"=\"no key\"\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:123456789\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:1,zz\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"unterminated\n", 3},
        {"REGEDIT4\n[HKEY_CLASSES_ROOT\\.cur]\n", 2},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=qword:1\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"ok\"=\"1\"\n[HKEY_CURRENT_USER\\B\n", 4},
    };
    for (const Case& c : cases) {
        try {
            RegFileReader::import(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ERegFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
    EXPECT_FALSE(Registry::hive(RegRoot::CurrentUser).keyExists(QStringLiteral("A")));
}

} // namespace
} // namespace kestrom
