#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

struct CommandRun {
    int code;
    QStringList out;
    QString err;
};

CommandRun kestrom(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KESTROM_BINARY), args);
    process.waitForFinished(60000);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    return {process.exitCode(), out.split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

class FileListCommands : public ::testing::Test {
protected:
    FileListCommands() {
        tree.file(QStringLiteral("Cursors/Walk.ANI"), QByteArray(1234, 'x'));
        tree.file(QStringLiteral("Cursors/arrow.cur"), "12");
        tree.file(QStringLiteral("Cursors/readme.txt"));
        tree.file(QStringLiteral("Cursors/Sub/busy.cur"), "1");
        tree.folder(QStringLiteral("Empty"));
    }
    TempTree tree{HermeticEnvironment::driveC()};
};

TEST_F(FileListCommands, SearchPrintsEveryHitInReportOrder) {
    const CommandRun host = kestrom({"search", tree.path(QStringLiteral("Cursors"))});
    EXPECT_EQ(host.code, 0);
    EXPECT_EQ(host.out, (QStringList{tree.path(QStringLiteral("Cursors/Walk.ANI")),
                                     tree.path(QStringLiteral("Cursors/arrow.cur")),
                                     tree.path(QStringLiteral("Cursors/Sub/busy.cur"))}));
    EXPECT_EQ(host.err, QStringLiteral("The search has been completed successfully.\n"));

    const CommandRun windows =
        kestrom({"search", "--windows-paths", "--mask", "*.cur", "c:\\cursors"});
    EXPECT_EQ(windows.code, 0);
    EXPECT_EQ(windows.out, (QStringList{"C:\\CURSORS\\arrow.cur", "C:\\CURSORS\\sub\\busy.cur"}));
}

TEST_F(FileListCommands, SearchWithoutHitsSaysSo) {
    const struct {
        QStringList args;
        int code;
        const char* err;
    } cases[] = {
        {{"search", "--mask", "*.ico", tree.path(QStringLiteral("Cursors"))},
         1,
         "No files match the current search criteria.\n"},
        {{"search", tree.path(QStringLiteral("Empty"))},
         1,
         "No files match the current search criteria.\n"},
        {{"search", "--mask", "*.xyz", "C:\\"}, 1, "No files match the current search criteria.\n"},
        {{"search", "/proc/self/nowhere-on-a-drive"}, 2, "no drive holds"},
        {{"search"}, 2, "Usage"},
        {{"list", "--sort", "colour", "C:\\"}, 2, "Usage"},
    };
    for (const auto& c : cases) {
        const CommandRun run = kestrom(c.args);
        EXPECT_EQ(run.code, c.code) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.err)))
            << c.args.join(u' ').toStdString() << ": " << run.err.toStdString();
        if (c.code == 1) {
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
}

TEST_F(FileListCommands, ListShowsItemsDetailsAndTheResult) {
    const CommandRun plain = kestrom({"list", "--sort", "size", "--inverted", "C:\\Cursors"});
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out,
              (QStringList{"D\tc:", "E\t\\", "F\t..", "G\tsub", "H\twalk.ani", "H\tarrow.cur",
                           "H\treadme.txt", "ListCount 4\tListSize 1236\tLastError 0"}));

    const CommandRun details = kestrom({"list", "--details", "--mask", "*.ani", "--windows-paths",
                                        tree.path(QStringLiteral("Cursors"))});
    ASSERT_EQ(details.out.size(), 6);
    const QStringList walk = details.out[4].split(u'\t');
    ASSERT_EQ(walk.size(), 7);
    EXPECT_EQ(walk[1], QStringLiteral("walk.ani"));
    EXPECT_EQ(walk[2], QStringLiteral("1,234"));
    EXPECT_NE(walk[3], QStringLiteral("?"));
    EXPECT_EQ(walk[5], QStringLiteral("A"));
    EXPECT_EQ(walk[6], QStringLiteral("C:\\Cursors\\walk.ani"));

    const CommandRun treeView = kestrom({"list", "--tree", "C:\\Cursors\\Sub"});
    EXPECT_EQ(treeView.out, (QStringList{"D\tc:", "G\tcursors", "G\t  sub", "H\t    busy.cur",
                                         "H\t  arrow.cur", "H\t  readme.txt", "H\t  walk.ani",
                                         "G\tempty", "ListCount 1\tListSize 1\tLastError 0"}));

    const CommandRun missing = kestrom({"list", "C:\\Nowhere"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.out.last().endsWith(QStringLiteral("LastError 3")));
}

} // namespace
} // namespace kestrom
