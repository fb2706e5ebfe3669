#include "controls/TLabel3D.h"
#include "controls/TQNButton.h"
#include "controls/TQNHeader.h"
#include "controls/TQNScrollBox.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(TLabel3D, LoweringTurnsTheOffsetRound) {
    TLabel3D label;
    EXPECT_EQ(label.Offset(), 1);
    label.SetLabelStyle(TLabelStyle::lsLowered);
    EXPECT_EQ(label.Offset(), -1);
    label.SetLabelStyle(TLabelStyle::lsLowered); // unchanged: no second turn
    EXPECT_EQ(label.Offset(), -1);
    label.SetAsButton(true); // a lowered label is raised first
    EXPECT_EQ(label.LabelStyle(), TLabelStyle::lsRaised);
    EXPECT_EQ(label.Offset(), 1);
}

TEST(TLabel3D, AsAButtonItFollowsTheHeldLeftButton) {
    TLabel3D label;
    label.SetBounds(0, 0, 40, 20);
    label.SetAsButton(true);
    int downs = 0;
    label.OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++downs; };
    label.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
    EXPECT_EQ(label.LabelStyle(), TLabelStyle::lsLowered);
    label.MouseMove(ssLeft, 41, 5); // out
    EXPECT_EQ(label.LabelStyle(), TLabelStyle::lsRaised);
    label.MouseMove(ssLeft, 40, 20); // the edges count as inside
    EXPECT_EQ(label.LabelStyle(), TLabelStyle::lsLowered);
    label.MouseMove(ssLeft | ssShift, 60, 5); // Shift held: no change
    EXPECT_EQ(label.LabelStyle(), TLabelStyle::lsLowered);
    label.MouseMove(ssLeft, 60, 5);
    label.DispatchMouseUp(TMouseButton::mbLeft, 0, 60, 5); // released outside: stays raised
    EXPECT_EQ(label.LabelStyle(), TLabelStyle::lsRaised);
    EXPECT_EQ(downs, 0); // the label's own events are not raised as a button
}

TEST(TQNHeader, SizingReportsTheSectionAndNeitherEraseIsDrawn) {
    TQNHeader header;
    header.SetSections({{QStringLiteral("Name"), 100}, {QStringLiteral("Size"), 60}});
    std::vector<std::pair<int, int>> sized;
    header.OnSized = [&](int index, int width) { sized.emplace_back(index, width); };
    header.SetSectionWidth(1, -3);
    header.SetSectionWidth(2, 50); // no such section
    ASSERT_EQ(sized.size(), 1u);
    EXPECT_EQ(sized[0], (std::pair{1, 0}));
    EXPECT_EQ(header.EraseBackgroundMessage(), 0); // swallowed, not answered as handled
    EXPECT_EQ(TQNScrollBox().EraseBackgroundMessage(), 1);
}

class ScrollBoxTest : public ::testing::Test {
protected:
    TQNScrollBox box;
    TQNButton child;

    void SetUp() override {
        box.SetBounds(0, 0, 182, 100); // single border: client width 180
        child.SetBounds(300, 10, 50, 20);
        child.SetParent(&box);
    }
};

TEST_F(ScrollBoxTest, RangeFromTheChildrenAndTheLargestPosition) {
    EXPECT_EQ(box.ClientWidth(), 180);
    EXPECT_EQ(box.HorzScrollBar().Range(), 350);
    EXPECT_EQ(box.HorzScrollBar().ScrollMax(), 170);
    EXPECT_EQ(box.VertScrollBar().ScrollMax(), 0);
    box.HorzScrollBar().SetMargin(10);
    box.SetAutoScroll(false);
    box.SetAutoScroll(true);
    EXPECT_EQ(box.HorzScrollBar().Range(), 360);
}

TEST_F(ScrollBoxTest, PositionsAreClampedAndMoveTheChildren) {
    box.HorzScrollBar().SetPosition(500);
    EXPECT_EQ(box.HorzScrollBar().Position(), 170);
    EXPECT_EQ(child.Left(), 130);
    EXPECT_EQ(box.HorzScrollBar().Range(), 350); // the range counts the position back in
    box.HorzScrollBar().SetPosition(-5);
    EXPECT_EQ(box.HorzScrollBar().Position(), 0);
    EXPECT_EQ(child.Left(), 300);
    box.ScrollMessage(TScrollBarKind::sbHorizontal, TScrollCode::scLineDown);
    EXPECT_EQ(box.HorzScrollBar().Position(), 8);
    box.ScrollMessage(TScrollBarKind::sbHorizontal, TScrollCode::scTrack, 100);
    EXPECT_EQ(box.HorzScrollBar().Position(), 8);
    box.ScrollMessage(TScrollBarKind::sbHorizontal, TScrollCode::scBottom);
    EXPECT_EQ(box.HorzScrollBar().Position(), 170);
}

TEST_F(ScrollBoxTest, ARangeByHandSwitchesAutoScrollOff) {
    box.VertScrollBar().SetRange(-4);
    EXPECT_FALSE(box.AutoScroll());
    EXPECT_EQ(box.VertScrollBar().Range(), 0);
    box.VertScrollBar().SetRange(500);
    EXPECT_EQ(box.HorzScrollBar().Range(), 350); // the other bar keeps its range
    box.SetAutoScroll(true);
    box.SetAutoScroll(false);
    EXPECT_EQ(box.HorzScrollBar().Range(), 0);
    EXPECT_EQ(box.VertScrollBar().Range(), 0);
}

TEST_F(ScrollBoxTest, AssigningVerticalSettingsChangesTheVerticalBarOnly) {
    TQNScrollBox other;
    other.VertScrollBar().SetRange(400);
    other.VertScrollBar().SetIncrement(20);
    box.SetVertScrollBar(other.VertScrollBar());
    EXPECT_EQ(box.VertScrollBar().Range(), 400);
    EXPECT_EQ(box.VertScrollBar().Increment(), 20);
    EXPECT_EQ(box.HorzScrollBar().Range(), 350);
    EXPECT_EQ(box.HorzScrollBar().Increment(), 8);
}

} // namespace
} // namespace kestrom
