#include "cursors/CursorSchemes.h"
#include "cursors/CursorRoles.h"
#include "cursors/CursorSet.h"
#include "cursors/SchemeStore.h"
#include "cursors/SchemeText.h"
#include "cursors/SystemCursorValues.h"
#include "platform/UserNotice.h"
#include "settings/TRegIniFile.h"
#include "settings/TRegistry.h"

#include "tests/cursors/FakeArtwork.h"
#include "tests/cursors/RecordingTarget.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::FakeArtwork;
using test::HermeticEnvironment;
using test::ScriptedPrompt;
using test::TempTree;

const QString kMachineCursors =
    QStringLiteral("software\\microsoft\\windows\\currentversion\\Control Panel\\Cursors");

void storeUserScheme(const QString& name, const QString& text) {
    TRegIniFile(QStringLiteral("Control Panel\\Cursors"))
        .WriteString(QStringLiteral("Schemes"), name, text);
}

void storeMachineScheme(const QString& name, const QString& text) {
    TRegistry reg;
    reg.SetRootKey(RegRoot::LocalMachine);
    ASSERT_TRUE(reg.OpenKey(kMachineCursors + QStringLiteral("\\Schemes"), true));
    reg.WriteString(name, text);
}

QString userSchemeText(const QString& name) {
    return TRegIniFile(QStringLiteral("Control Panel\\Cursors"))
        .ReadString(QStringLiteral("Schemes"), name, QStringLiteral("<missing>"));
}

class SchemesTest : public ::testing::Test {
protected:
    void SetUp() override { SystemCursorValues::ReadSystemCursors(set); }

    FakeArtwork artwork;
    CursorSet set{artwork};
};

TEST_F(SchemesTest, ListingUsesTheMachinePlaceWhenItOpensAndTheUserPlaceOtherwise) {
    CursorSchemes none;
    none.ListSchemes();
    EXPECT_TRUE(none.Items.isEmpty());
    EXPECT_TRUE(none.SchemesInUserKey); // so that the first scheme can be saved
    ScriptedPrompt first(true, QStringLiteral("First"));
    EXPECT_TRUE(none.SaveScheme(first, set));
    EXPECT_EQ(userSchemeText(QStringLiteral("First")), QStringLiteral(",,,,,,,,,,,,,,,"));
    TRegIniFile(QStringLiteral("Control Panel\\Cursors"))
        .DeleteKey(QStringLiteral("Schemes"), QStringLiteral("First"));

    storeUserScheme(QStringLiteral("Mine"), QStringLiteral("a,"));
    storeUserScheme(QStringLiteral("Also"), QStringLiteral("b,"));
    CursorSchemes user;
    user.ListSchemes();
    EXPECT_EQ(user.Items, (QStringList{"Mine", "Also"}));
    EXPECT_TRUE(user.SchemesInUserKey);

    storeMachineScheme(QStringLiteral("Shared"), QStringLiteral("c,"));
    CursorSchemes machine;
    machine.ListSchemes();
    EXPECT_EQ(machine.Items, QStringList{"Shared"});
    EXPECT_FALSE(machine.SchemesInUserKey);
    machine.ItemIndex = 0;
    ASSERT_TRUE(machine.LoadScheme(0, set));
    EXPECT_EQ(set.Slot(3)->Path, QStringLiteral("c"));
}

TEST_F(SchemesTest, SavedSchemeReadsBackIntoTheSameFifteenPaths) {
    const TempTree tree(HermeticEnvironment::driveC());
    for (int slot = 1; slot <= 15; ++slot) {
        if (slot == 9)
            continue; // its file is missing when saving
        tree.file(QStringLiteral("s/%1.cur").arg(slot), "x");
    }
    for (int slot = 1; slot <= 15; ++slot)
        set.Slot(slot)->Path = QStringLiteral("C:\\s\\%1.cur").arg(slot);

    CursorSchemes schemes;
    schemes.SchemesInUserKey = true;
    ScriptedPrompt prompt(true, QStringLiteral("Fifteen"));
    ASSERT_TRUE(schemes.SaveScheme(prompt, set));
    EXPECT_EQ(schemes.Items, QStringList{"Fifteen"});
    const QString text = userSchemeText(QStringLiteral("Fifteen"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("C:\\s\\3.cur,C:\\s\\5.cur,C:\\s\\2.cur,")));
    EXPECT_TRUE(text.endsWith(QStringLiteral(",C:\\s\\15.cur,")));

    FakeArtwork other;
    CursorSet loaded(other);
    SystemCursorValues::ReadSystemCursors(loaded);
    ASSERT_TRUE(schemes.LoadScheme(0, loaded));
    for (int slot = 1; slot <= 15; ++slot) {
        const QString expected = slot == 9 ? QString() : QStringLiteral("C:\\s\\%1.cur").arg(slot);
        EXPECT_EQ(loaded.Slot(slot)->Path, expected) << slot;
        EXPECT_EQ(loaded.Slot(slot)->DefaultPath, expected) << slot;
        EXPECT_EQ(other.NameOf(loaded.Slot(slot)->Icon), slot == 9
                                                             ? QStringLiteral("builtin:icon_9")
                                                             : QStringLiteral("file:") + expected);
    }
}

TEST_F(SchemesTest, LoadingTakesEntriesByPositionAndLeavesMissingPositionsAlone) {
    struct Case {
        const char* what;
        QString text;
        int slot;
        QString path; // "<kept>": what the role had before
    };
    const Case cases[] = {
        {"no trailing comma: the fifteenth entry is Link Select",
         QStringLiteral(",,,,,,,,,,,,,,C:\\hand.cur"), 15, QStringLiteral("C:\\hand.cur")},
        {"a sixteenth entry is ignored", QStringLiteral(",,,,,,,,,,,,,,,C:\\extra.cur"), 15,
         QString()},
        {"fewer entries leave the later roles", QStringLiteral("C:\\a.cur,C:\\h.cur"), 15,
         QStringLiteral("<kept>")},
        {"fewer entries set the first roles", QStringLiteral("C:\\a.cur,C:\\h.cur"), 5,
         QStringLiteral("C:\\h.cur")},
        {"an empty entry empties its role", QStringLiteral(",x"), 3, QString()},
        {"a missing file goes into both paths", QStringLiteral("C:\\missing.cur"), 3,
         QStringLiteral("C:\\missing.cur")},
    };
    for (const Case& c : cases) {
        FakeArtwork art;
        CursorSet target(art);
        SystemCursorValues::ReadSystemCursors(target);
        target.Slot(c.slot)->Path = QStringLiteral("before");
        target.Slot(c.slot)->DefaultPath = QStringLiteral("before");
        ASSERT_TRUE(SchemeText::Apply(c.text, target)) << c.what;
        const QString expected =
            c.path == QStringLiteral("<kept>") ? QStringLiteral("before") : c.path;
        EXPECT_EQ(target.Slot(c.slot)->Path, expected) << c.what;
        EXPECT_EQ(target.Slot(c.slot)->DefaultPath, expected) << c.what;
        if (expected != QStringLiteral("before")) {
            EXPECT_EQ(art.NameOf(target.Slot(c.slot)->Icon),
                      QStringLiteral("builtin:icon_%1").arg(c.slot))
                << c.what;
        }
    }
}

TEST_F(SchemesTest, ANameWithNoStoredTextChangesNothing) {
    storeUserScheme(QStringLiteral("Empty"), QString());
    CursorSchemes schemes;
    schemes.ListSchemes();
    set.Slot(3)->Path = QStringLiteral("kept");
    EXPECT_FALSE(schemes.LoadScheme(0, set));
    EXPECT_FALSE(schemes.LoadScheme(5, set));
    EXPECT_EQ(set.Slot(3)->Path, QStringLiteral("kept"));
}

TEST_F(SchemesTest, SavingUnderAListedNameReplacesItAndAnEmptyNameIsRefused) {
    QStringList notices;
    const UserNoticeSink previous =
        SetUserNoticeSink([&](const QString&, const QString& message) { notices << message; });
    storeUserScheme(QStringLiteral("Dino"), QStringLiteral("old,"));
    CursorSchemes schemes;
    schemes.ListSchemes();

    ScriptedPrompt sameName(true, QStringLiteral("dino"));
    ASSERT_TRUE(schemes.SaveScheme(sameName, set));
    EXPECT_EQ(schemes.Items, QStringList{"Dino"});
    EXPECT_EQ(userSchemeText(QStringLiteral("Dino")), QStringLiteral(",,,,,,,,,,,,,,,"));

    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        ScriptedPrompt empty(true, blank);
        EXPECT_FALSE(schemes.SaveScheme(empty, set));
    }
    EXPECT_EQ(notices, QStringList(2, CursorSchemes::kEmptyNameNotice));
    EXPECT_EQ(userSchemeText(QString()), QStringLiteral("<missing>"));

    ScriptedPrompt cancelled(true, QStringLiteral("Other"), false);
    EXPECT_FALSE(schemes.SaveScheme(cancelled, set));
    EXPECT_EQ(userSchemeText(QStringLiteral("Other")), QStringLiteral("<missing>"));
    SetUserNoticeSink(previous);
}

TEST_F(SchemesTest, DeleteAsksByNameAndRefusesTheLastScheme) {
    storeUserScheme(QStringLiteral("One"), QStringLiteral("a,"));
    storeUserScheme(QStringLiteral("Two"), QStringLiteral("b,"));
    CursorSchemes schemes;
    schemes.ListSchemes();
    schemes.ItemIndex = 1;

    ScriptedPrompt no(false);
    EXPECT_FALSE(schemes.DeleteScheme(no));
    EXPECT_EQ(no.asked, QStringList{"Are you sure you want to delete the \"Two\" scheme?"});
    EXPECT_EQ(userSchemeText(QStringLiteral("Two")), QStringLiteral("b,"));

    ScriptedPrompt yes(true);
    ASSERT_TRUE(schemes.DeleteScheme(yes));
    EXPECT_EQ(schemes.Items, QStringList{"One"});
    EXPECT_EQ(schemes.ItemIndex, 0);
    EXPECT_EQ(userSchemeText(QStringLiteral("Two")), QStringLiteral("<missing>"));

    ScriptedPrompt again(true);
    EXPECT_FALSE(schemes.DeleteScheme(again));
    EXPECT_TRUE(again.asked.isEmpty());
    EXPECT_EQ(userSchemeText(QStringLiteral("One")), QStringLiteral("a,"));
}

TEST_F(SchemesTest, SelectByNameMatchesExactlyAndTheLastEqualItemWins) {
    CursorSchemes schemes;
    schemes.Items = {"A", "b", "B", "b"};
    schemes.SelectByName(QStringLiteral("b"));
    EXPECT_EQ(schemes.ItemIndex, 3);
    schemes.SelectByName(QStringLiteral("a"));
    EXPECT_EQ(schemes.ItemIndex, 3);
}

} // namespace
} // namespace kestrom
