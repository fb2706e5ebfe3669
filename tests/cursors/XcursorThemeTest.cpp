#include "cursors/CursorThemeFolder.h"
#include "cursors/ThemeActivation.h"
#include "cursors/XcursorNames.h"
#include "cursors/XcursorThemeInstaller.h"

#include "tests/cursors/FakeArtwork.h"
#include "tests/cursors/ThemeFixture.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <X11/Xcursor/Xcursor.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::InstallEverywhere;
using test::LoadThemeCursor;
using test::MakeCursor;
using test::TempTree;
using test::ThemeCursorPath;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

HCURSOR cursorOf(QRgb colour, QPoint hot = {5, 1}) {
    return std::make_shared<CursorObject>(MakeCursor({32}, hot, 1, 0, colour));
}

TEST(XcursorTheme, EveryNameOfEveryRoleLoadsFromTheTheme) {
    InstallEverywhere(cursorOf(0xFF112233u, {7, 9}));
    for (const int id : XcursorNames::SystemCursors()) {
        const QStringList names = XcursorNames::ForSystemCursor(id);
        const QFileInfo main(ThemeCursorPath(names.first()));
        EXPECT_TRUE(main.isFile() && !main.isSymLink()) << names.first().toStdString();
        for (const QString& name : names) {
            if (name != names.first()) {
                EXPECT_EQ(QFile::symLinkTarget(ThemeCursorPath(name)), main.absoluteFilePath())
                    << name.toStdString();
            }
            const test::XcursorImagesPtr images = LoadThemeCursor(name, 32);
            ASSERT_TRUE(images) << name.toStdString();
            EXPECT_EQ(images->images[0]->xhot, 7u);
            EXPECT_EQ(images->images[0]->yhot, 9u);
        }
    }
    EXPECT_FALSE(QFile::exists(ThemeCursorPath(QStringLiteral("pencil"))));
    const QByteArray index = readFile(CursorThemeFolder::ThemeFolder() + "/index.theme");
    EXPECT_TRUE(index.startsWith("[Icon Theme]\nName=Kestrom\n"));
    EXPECT_TRUE(index.contains("\nInherits=")) << index.toStdString();
    EXPECT_FALSE(index.contains("Inherits=Kestrom"));
    // Nothing but the theme and the activation places.
    EXPECT_EQ(entries(CursorThemeFolder::IconsFolder()), (QStringList{"Kestrom", "default"}));
    EXPECT_EQ(entries(CursorThemeFolder::ThemeFolder()), (QStringList{"cursors", "index.theme"}));
}

TEST(XcursorTheme, ActivationInheritsThePreviousThemeAndKeepsItsFile) {
    const QString home = QDir::homePath();
    const TempTree tree(home);
    const QByteArray before = "[Icon Theme]\nName=Mine\nInherits=Breeze_Snow\n";
    tree.file(QStringLiteral(".icons/default/index.theme"), before);
    tree.file(QStringLiteral("../config/kcminputrc"),
              "[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=Breeze\ncursorSize=24\n");

    InstallEverywhere(cursorOf(0xFF000000u));

    EXPECT_TRUE(readFile(CursorThemeFolder::ThemeFolder() + "/index.theme")
                    .contains("\nInherits=Breeze_Snow\n"));
    EXPECT_EQ(readFile(ThemeActivation::DefaultIndexFile()),
              "[Icon Theme]\nName=Mine\nInherits=Kestrom\n");
    EXPECT_EQ(readFile(ThemeActivation::DefaultIndexFile() + ThemeActivation::kSavedSuffix),
              before);
    EXPECT_EQ(readFile(ThemeActivation::KdeInputFile()),
              "[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=Kestrom\ncursorSize=24\n");

    // A second install keeps what was saved and still inherits the theme from before.
    InstallEverywhere(cursorOf(0xFF000000u));
    EXPECT_EQ(readFile(ThemeActivation::DefaultIndexFile() + ThemeActivation::kSavedSuffix),
              before);
    EXPECT_TRUE(readFile(CursorThemeFolder::ThemeFolder() + "/index.theme")
                    .contains("\nInherits=Breeze_Snow\n"));
}

TEST(XcursorTheme, ANewVersionReplacesOnlyTheRolesGiven) {
    InstallEverywhere(cursorOf(0xFF0000AAu));
    XcursorThemeInstaller installer;
    installer.SetSystemCursor(cursorOf(0xFF00BB00u, {2, 3}), 32649); // OCR_HAND
    installer.Flush();
    ASSERT_TRUE(installer.LastFlushWrote());
    const test::XcursorImagesPtr hand = LoadThemeCursor(QStringLiteral("hand2"), 32);
    const test::XcursorImagesPtr arrow = LoadThemeCursor(QStringLiteral("left_ptr"), 32);
    ASSERT_TRUE(hand && arrow);
    EXPECT_EQ(hand->images[0]->pixels[0], 0xFF00BB00u);
    EXPECT_EQ(hand->images[0]->xhot, 2u);
    EXPECT_EQ(arrow->images[0]->pixels[0], 0xFF0000AAu);
    EXPECT_TRUE(QFileInfo(ThemeCursorPath(QStringLiteral("arrow"))).isSymLink());
}

TEST(XcursorTheme, AFailedWriteLeavesThePreviousThemeWhole) {
    InstallEverywhere(cursorOf(0xFF0000AAu));
    const QByteArray old = readFile(ThemeCursorPath(QStringLiteral("default")));

    // Writes past 4 KiB fail, as on a full disk (this holds for root as well).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    XcursorThemeInstaller installer;
    installer.SetSystemCursor(cursorOf(0xFF00BB00u), 32512);
    installer.Flush();
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(installer.LastFlushWrote());
    EXPECT_EQ(readFile(ThemeCursorPath(QStringLiteral("default"))), old);
    EXPECT_TRUE(QFileInfo(ThemeCursorPath(QStringLiteral("arrow"))).isSymLink());
    EXPECT_EQ(entries(CursorThemeFolder::ThemeFolder()), (QStringList{"cursors", "index.theme"}));
}

TEST(XcursorTheme, SymbolicLinksInItsPlacesAreNeverFollowed) {
    const TempTree elsewhere(HermeticEnvironment::root() + QStringLiteral("/elsewhere"));
    elsewhere.folder(QStringLiteral("theme"));
    const QString kept =
        elsewhere.file(QStringLiteral("index.theme"), "[Icon Theme]\nInherits=Other\n");
    QDir().mkpath(CursorThemeFolder::IconsFolder() + QStringLiteral("/default"));
    ASSERT_TRUE(QFile::link(kept, ThemeActivation::DefaultIndexFile()));

    // The theme is written; the linked default index is left as it is.
    XcursorThemeInstaller first;
    first.SetSystemCursor(cursorOf(0xFF00BB00u), 32512);
    first.Flush();
    EXPECT_TRUE(first.LastFlushWrote());
    EXPECT_EQ(readFile(kept), "[Icon Theme]\nInherits=Other\n");
    EXPECT_TRUE(QFileInfo(ThemeActivation::DefaultIndexFile()).isSymLink());

    // A theme folder that is a link is not written into.
    ASSERT_TRUE(QDir(CursorThemeFolder::ThemeFolder()).removeRecursively());
    ASSERT_TRUE(
        QFile::link(elsewhere.path(QStringLiteral("theme")), CursorThemeFolder::ThemeFolder()));
    XcursorThemeInstaller second;
    second.SetSystemCursor(cursorOf(0xFF00BB00u), 32512);
    second.Flush();
    EXPECT_FALSE(second.LastFlushWrote());
    EXPECT_TRUE(QDir(elsewhere.path(QStringLiteral("theme"))).isEmpty());
}

} // namespace
} // namespace kestrom
