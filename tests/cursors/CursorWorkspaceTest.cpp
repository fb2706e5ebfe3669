#include "cursors/CursorWorkspace.h"
#include "cursors/CursorRoles.h"
#include "cursors/SystemCursorValues.h"
#include "settings/TRegIniFile.h"

#include "tests/cursors/FakeArtwork.h"
#include "tests/cursors/RecordingTarget.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::FakeArtwork;
using test::HermeticEnvironment;
using test::RecordingTarget;
using test::ScriptedPrompt;
using test::TempTree;

QString storedValue(int slot) {
    return TRegIniFile(QStringLiteral("Control Panel"))
        .ReadString(QStringLiteral("Cursors"), CursorRoles::bySlot(slot).valueName,
                    QStringLiteral("<missing>"));
}

QString activeScheme() {
    return TRegIniFile(QStringLiteral("Control Panel"))
        .ReadString(QStringLiteral("Cursors"), QString(), QStringLiteral("<missing>"));
}

class CursorWorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        SystemCursorValues::ReadSystemCursors(workspace.Set());
        workspace.OnSetChanged = [this] { ++redraws; };
    }

    FakeArtwork artwork;
    RecordingTarget target;
    CursorWorkspace workspace{artwork, target};
    int redraws = 0;
};

TEST_F(CursorWorkspaceTest, ChangeAndRestoreWorkOnTheSelectedRoleOnly) {
    workspace.SelectedRow = -1;
    workspace.ChangeCursor();
    workspace.RestoreDefault();
    EXPECT_EQ(redraws, 0);

    workspace.SelectedRow = 2; // "Normal Select"
    workspace.NewIcon = artwork.FileIcon(QStringLiteral("C:\\new.cur"));
    workspace.NewPath = QStringLiteral("C:\\new.cur");
    workspace.ChangeCursor();
    const IconRec* role = workspace.Set().Slot(3);
    EXPECT_EQ(role->Path, QStringLiteral("C:\\new.cur"));
    EXPECT_EQ(role->Icon, workspace.NewIcon);
    EXPECT_EQ(workspace.SelectedIcon, workspace.NewIcon);
    EXPECT_EQ(workspace.SelectedPath, QStringLiteral("C:\\new.cur"));
    EXPECT_EQ(redraws, 1);

    // No scheme loaded: the default is empty, so the role goes back to its built-in cursor.
    workspace.RestoreDefault();
    EXPECT_TRUE(role->Path.isEmpty());
    EXPECT_TRUE(workspace.SelectedPath.isEmpty());
    EXPECT_EQ(artwork.NameOf(role->Icon), QStringLiteral("builtin:icon_3"));
    EXPECT_EQ(workspace.SelectedIcon, role->Icon);
    EXPECT_EQ(storedValue(3), QStringLiteral("<missing>")); // nothing reaches the registry
}

TEST_F(CursorWorkspaceTest, RestoreTakesTheDefaultFilesIconWhenItExists) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("dino.cur"), "x");
    IconRec* role = workspace.Set().Slot(8);
    role->DefaultPath = QStringLiteral("C:\\dino.cur");
    role->Path = QStringLiteral("C:\\other.cur");
    workspace.SelectedRow = 7;
    workspace.RestoreDefault();
    EXPECT_EQ(role->Path, QStringLiteral("C:\\dino.cur"));
    EXPECT_EQ(artwork.NameOf(role->Icon), QStringLiteral("file:C:\\dino.cur"));
}

TEST_F(CursorWorkspaceTest, ChangeBeforeAnyNewCursorEmptiesTheRole) {
    workspace.SelectedRow = 0;
    workspace.ChangeCursor();
    EXPECT_EQ(workspace.Set().Slot(1)->Icon, nullptr);
    EXPECT_TRUE(workspace.Set().Slot(1)->Path.isEmpty());
}

TEST_F(CursorWorkspaceTest, AnsweringNoWritesAndAppliesNothing) {
    workspace.Set().Slot(3)->Path = QStringLiteral("C:\\x.cur");
    ScriptedPrompt no(false);
    EXPECT_FALSE(workspace.Install(no, QStringLiteral("Dino")));
    EXPECT_EQ(no.asked, QStringList{CursorWorkspace::kInstallQuestion});
    EXPECT_EQ(storedValue(3), QStringLiteral("<missing>"));
    EXPECT_EQ(activeScheme(), QStringLiteral("<missing>"));
    EXPECT_TRUE(target.applied.empty());
    EXPECT_EQ(target.flushes, 0);
}

TEST_F(CursorWorkspaceTest, InstallWritesEveryPathUnchangedAndAppliesFourteenRoles) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("c/arrow.cur"), "x");
    tree.file(QStringLiteral("c/pen.cur"), "x");
    tree.file(QStringLiteral("c/quoted.cur"), "x");
    CursorSet& set = workspace.Set();
    set.Slot(3)->Path = QStringLiteral("C:\\c\\arrow.cur");
    set.Slot(5)->Path = QStringLiteral("\"C:\\c\\quoted.cur\"");
    set.Slot(1)->Path = QStringLiteral("C:\\c\\gone.ani");
    set.Slot(14)->Path = QStringLiteral("C:\\c\\pen.cur");

    ScriptedPrompt yes(true);
    ASSERT_TRUE(workspace.Install(yes, QStringLiteral("Dino")));

    for (int slot = 1; slot <= 15; ++slot)
        EXPECT_EQ(storedValue(slot), set.Slot(slot)->Path) << slot;
    EXPECT_EQ(activeScheme(), QStringLiteral("Dino"));
    EXPECT_EQ(target.flushes, 1);
    ASSERT_EQ(target.applied.size(), 14u);
    EXPECT_EQ(artwork.NameOf(target.applied.at(32512)), QStringLiteral("file:C:\\c\\arrow.cur"));
    // A quoted path names no file as it stands, so the built-in cursor is applied.
    EXPECT_EQ(artwork.NameOf(target.applied.at(32651)), QStringLiteral("builtin:CURSOR_5"));
    EXPECT_EQ(artwork.NameOf(target.applied.at(32514)), QStringLiteral("builtin:CURSOR_1"));
    EXPECT_EQ(artwork.NameOf(target.applied.at(32649)), QStringLiteral("builtin:CURSOR_15"));
    for (const auto& [id, cursor] : target.applied)
        EXPECT_NE(artwork.NameOf(cursor), QStringLiteral("file:C:\\c\\pen.cur")) << id;
}

class FailingArtwork : public FakeArtwork {
public:
    HCURSOR BuiltInCursor(const QString& name) override {
        if (name == QStringLiteral("CURSOR_3"))
            throw std::runtime_error("unreadable");
        return name == QStringLiteral("CURSOR_4") ? nullptr : FakeArtwork::BuiltInCursor(name);
    }
};

TEST(CursorWorkspace, CursorsThatDoNotLoadAreSkippedAndThePathsStillWritten) {
    FailingArtwork artwork;
    RecordingTarget target;
    CursorWorkspace workspace(artwork, target);
    SystemCursorValues::ReadSystemCursors(workspace.Set());
    workspace.Set().Slot(3)->Path = QStringLiteral("C:\\nothing.cur");
    ScriptedPrompt yes(true);
    ASSERT_TRUE(workspace.Install(yes, QString()));
    EXPECT_EQ(target.applied.size(), 12u);
    EXPECT_EQ(target.applied.count(32512), 0u);
    EXPECT_EQ(target.applied.count(32515), 0u);
    EXPECT_EQ(storedValue(3), QStringLiteral("C:\\nothing.cur"));
    EXPECT_EQ(activeScheme(), QString());
}

} // namespace
} // namespace kestrom
