#include "main/CommandLine.h"
#include "main/Console.h"

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

struct ProgramRun {
    int code;
    QByteArray out;
    QByteArray err;
};

ProgramRun kestrom(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(KESTROM_BINARY), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray kSchemes = "REGEDIT4\r\n"
                            "\r\n"
                            "[HKEY_CURRENT_USER\\Control Panel\\Cursors]\r\n"
                            "@=\"Dinosaur\"\r\n"
                            "\"Arrow\"=\"C:\\\\Cursors\\\\dino.cur\"\r\n"
                            "\"Wait\"=hex(2):25,57,49,4e,44,49,52,25,00\r\n"
                            "\"Scheme Source\"=dword:00000001\r\n"
                            "\r\n"
                            "[HKEY_CURRENT_USER\\Control Panel\\Cursors\\Schemes]\r\n"
                            "\"Dinosaur\"=\"C:\\\\Cursors\\\\dino.cur,,\"\r\n"
                            "\"Bytes\"=hex:00,01,02\r\n"
                            "\"Lines\"=hex(7):61,00,62,00,00\r\n"
                            "\r\n";

TEST(CommandLine, ImportThenExportShowsTheSameKeysValuesAndTypes) {
    const TempTree tree(HermeticEnvironment::root() + QStringLiteral("/files"));
    const QString file = tree.file(QStringLiteral("schemes.reg"), kSchemes);
    const ProgramRun imported = kestrom({"reg", "import", file});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    const ProgramRun exported =
        kestrom({"reg", "export", "HKEY_CURRENT_USER\\Control Panel\\Cursors"});
    EXPECT_EQ(exported.code, 0);
    EXPECT_EQ(exported.out, kSchemes);

    const QString copy = tree.path(QStringLiteral("copy.reg"));
    EXPECT_EQ(kestrom({"reg", "export", "HKCU\\control panel\\cursors", copy}).code, 0);
    QFile written(copy);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), kSchemes);
}

TEST(CommandLine, AnswersWithTheDocumentedExitCodes) {
    struct Case {
        QStringList args;
        int code;
        const char* inOutput; // expected in standard output or standard error
    };
    const TempTree tree(HermeticEnvironment::root() + QStringLiteral("/files"));
    const QString bad = tree.file(QStringLiteral("bad.reg"), "REGEDIT4\n\"loose\"=\"value\"\n");
    const Case cases[] = {
        {{"--help"}, 0, "reg export"},
        {{"--version"}, 0, "kestrom 0."},
        {{"reg", "export", "HKEY_CURRENT_USER\\No\\Such\\Key"}, 1, "no key"},
        {{"reg", "export", "HKEY_CLASSES_ROOT\\x"}, 2, "not a key"},
        {{"reg", "import"}, 2, "Usage"},
        {{"reg", "import", tree.path(QStringLiteral("missing.reg"))}, 2, "cannot read"},
        {{"reg", "import", bad}, 2, "line 2"},
        {{"reg", "frobnicate"}, 2, "unknown reg command"},
        {{"dance"}, 2, "unknown command"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = kestrom(c.args);
        EXPECT_EQ(run.code, c.code) << c.args.join(u' ').toStdString();
        EXPECT_TRUE((run.out + run.err).contains(c.inOutput))
            << c.args.join(u' ').toStdString() << ": " << (run.out + run.err).toStdString();
    }
}

TEST(CommandLine, ImportsFromStandardInput) {
    const ProgramRun run = kestrom({"reg", "import", "-"}, kSchemes);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const ProgramRun all = kestrom({"reg", "export"});
    EXPECT_TRUE(all.out.startsWith("REGEDIT4\r\n\r\n"));
    EXPECT_TRUE(all.out.contains("\"Dinosaur\"=\"C:\\\\Cursors\\\\dino.cur,,\""));
}

} // namespace
} // namespace kestrom
