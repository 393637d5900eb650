#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

class RangeRules : public testing::Test {
protected:
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

struct MoveCase {
    int position;
    const char* range;
    int adjacent;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << "position " << c.position;
}

class SliderMove : public RangeRules, public testing::WithParamInterface<MoveCase> {};

TEST_P(SliderMove, WritesTheRangeAndMarksOnlyOneHexAsAdjacent) {
    sheet.Slider1.userMove(GetParam().position);
    EXPECT_EQ(sheet.range1.text(), GetParam().range);
    EXPECT_EQ(sheet.tAdjHex0.value(), GetParam().adjacent);
    EXPECT_EQ(sheet.situation, SituationModifiers{});
}

INSTANTIATE_TEST_SUITE_P(Positions, SliderMove,
                         testing::Values(MoveCase{1, "1", 1}, MoveCase{2, "2", 0},
                                         MoveCase{9, "9", 0}, MoveCase{10, "10", 0},
                                         MoveCase{24, "24", 0}));

TEST_F(RangeRules, MovingOnFromOneHexUnmarksAdjacency) {
    sheet.Slider1.userMove(1);
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Ticked);
    sheet.Slider1.userMove(2);
    EXPECT_EQ(sheet.range1.text(), "2");
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Unticked);
    sheet.Slider1.userMove(0);
    EXPECT_EQ(sheet.range1.text(), "0");
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Unticked);
}

TEST_F(RangeRules, UserClickOnAdjacentHexIsUndoneAtOnce) {
    sheet.Slider1.userMove(1);
    sheet.tAdjHex0.userClick();
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Ticked);
    sheet.Slider1.userMove(5);
    sheet.tAdjHex0.userClick();
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Unticked);
    sheet.tAdjHex0.userClick();
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Unticked);
}

TEST_F(RangeRules, ClickOnGrayedAdjacentHexBeforeAnyRangeShowsNotAdjacent) {
    sheet.tAdjHex0.userClick();
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Unticked);
    EXPECT_EQ(sheet.range1.text(), "");
    sheet.tProne0.userClick();
    EXPECT_EQ(sheet.situation.tProneMod, 1);
}

TEST_F(RangeRules, AdjacencyClickLeavesTheProneModifierAlone) {
    sheet.tProne0.userClick();
    sheet.tAdjHex0.userClick();
    EXPECT_EQ(sheet.situation.tProneMod, 1);
    EXPECT_EQ(sheet.situation.tPartialMod, 0);
}

// Prone rule: the range set before "Prone" is ticked decides its modifier.
struct ProneCase {
    const char* name;
    int position; // 0: the slider is never moved
    int proneMod;
};

void PrintTo(const ProneCase& c, std::ostream* os) {
    *os << c.name;
}

class ProneRule : public RangeRules, public testing::WithParamInterface<ProneCase> {};

TEST_P(ProneRule, TickedProneDependsOnAdjacency) {
    if (GetParam().position != 0) {
        sheet.Slider1.userMove(GetParam().position);
    }
    sheet.tProne0.userClick();
    EXPECT_EQ(sheet.situation.tProneMod, GetParam().proneMod);
    sheet.tProne0.userClick();
    EXPECT_EQ(sheet.situation.tProneMod, 0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ProneRule,
                         testing::Values(ProneCase{"SliderNeverMoved", 0, 1},
                                         ProneCase{"Adjacent", 1, -2}, ProneCase{"TwoHexes", 2, 1},
                                         ProneCase{"ThreeHexes", 3, 1},
                                         ProneCase{"LongRange", 24, 1}),
                         [](const testing::TestParamInfo<ProneCase>& info) {
                             return info.param.name;
                         });

// Moving the slider re-evaluates a ticked "Prone" by the new adjacency.
struct ReevaluateCase {
    int before;
    int after;
    int proneMod;
};

void PrintTo(const ReevaluateCase& c, std::ostream* os) {
    *os << "from " << c.before << " to " << c.after;
}

class SliderReevaluatesProne : public RangeRules,
                               public testing::WithParamInterface<ReevaluateCase> {};

TEST_P(SliderReevaluatesProne, TickedProneFollowsTheNewRange) {
    sheet.Slider1.userMove(GetParam().before);
    sheet.tProne0.userClick();
    sheet.Slider1.userMove(GetParam().after);
    EXPECT_EQ(sheet.situation.tProneMod, GetParam().proneMod);
}

INSTANTIATE_TEST_SUITE_P(Moves, SliderReevaluatesProne,
                         testing::Values(ReevaluateCase{1, 3, 1}, ReevaluateCase{3, 1, -2},
                                         ReevaluateCase{2, 5, 1}, ReevaluateCase{1, 0, 1},
                                         ReevaluateCase{0, 1, -2}));

TEST_F(RangeRules, FirstMoveReevaluatesAProneTickedBeforeAnyRange) {
    sheet.tProne0.userClick();
    EXPECT_EQ(sheet.situation.tProneMod, 1);
    sheet.Slider1.userMove(1);
    EXPECT_EQ(sheet.situation.tProneMod, -2);
}

TEST_F(RangeRules, SliderLeavesAnUntickedProneAtZero) {
    sheet.Slider1.userMove(1);
    EXPECT_EQ(sheet.situation.tProneMod, 0);
    sheet.Slider1.userMove(4);
    EXPECT_EQ(sheet.situation.tProneMod, 0);
    EXPECT_EQ(sheet.tProne0.value(), CheckBox::Unticked);
}

TEST_F(RangeRules, GrayedProneCountsAsTicked) {
    sheet.Slider1.userMove(1);
    sheet.tProne0.setValue(CheckBox::Grayed);
    EXPECT_EQ(sheet.situation.tProneMod, -2);
    sheet.Slider1.userMove(2);
    EXPECT_EQ(sheet.situation.tProneMod, 1);
}

TEST_F(RangeRules, SliderClampsAtItsUpperEnd) {
    sheet.Slider1.userMove(30);
    EXPECT_EQ(sheet.range1.text(), "24");
    EXPECT_EQ(sheet.Slider1.position(), 24);
}

} // namespace
