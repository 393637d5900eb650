// The shoulder interlock step by step, and the woods limits.

#include "support/sheet_fixture.h"

#include <tuple>

namespace {

// The modifiers that are not 0, by name, then the values of the right arm's actuator boxes,
// "Adjacent Hex" and "Partial Cover".
std::string state(const CombatSheet& s) {
    std::string text;
    for (const ModifierField& modifier : MODIFIER_FIELDS) {
        if (s.situation.*modifier.field != 0) {
            text += std::string(modifier.name) + " " + std::to_string(s.situation.*modifier.field) +
                    ", ";
        }
    }
    for (const CheckBox* box : {&s.rightUpperActuatorBox, &s.rightLowerActuatorBox,
                                &s.adjacentHexBox, &s.partialCoverBox}) {
        text += "| " + std::to_string(static_cast<int>(box->value())) + " ";
    }
    return text;
}

// Each script runs on after the one before. The other modifiers and interlocks are checked,
// action by action, against their rules by the randomized sheet test.
TEST_F(SheetTest, InterlocksStepByStep) {
    const std::pair<const char*, const char*> steps[] = {
        // A shoulder hit counts 4 alone and grays its arm's actuators; a click on a grayed
        // actuator adds its 1; unticking the shoulder clears the arm. The other arm keeps its own.
        {"leftUpperActuatorBox rightUpperActuatorBox rightShoulderBox",
         "rightShoulderMod 4, leftUpperActuatorMod 1, | 2 | 2 | 2 | 0 "},
        {"rightLowerActuatorBox",
         "rightShoulderMod 4, rightLowerActuatorMod 1, leftUpperActuatorMod 1, | 2 | 1 | 2 | 0 "},
        {"rightShoulderBox", "leftUpperActuatorMod 1, | 0 | 0 | 2 | 0 "}};
    for (const auto& [script, expected] : steps) {
        act(sheet, script);
        EXPECT_EQ(state(sheet), expected) << script;
    }
}

// A woods count above the box's limit or below 0 goes back to "0"; any other text stays. The
// lists offer exactly the counts that pass.
TEST_F(SheetTest, WoodsLimit) {
    const auto LW = &CombatSheet::hexLW, HW = &CombatSheet::hexHW;
    const std::tuple<ComboBox CombatSheet::*, const char*, const char*> cases[] = {
        {LW, "3", "3"}, {LW, "4", "0"}, {LW, "-1", "0"}, {LW, "abc", "abc"}, {LW, "", ""},
        {HW, "2", "2"}, {HW, "3", "0"}, {HW, "-2", "0"}, {HW, "x", "x"},     {HW, "2.5", "0"}};
    for (const auto& [box, typed, kept] : cases) {
        (sheet.*box).userType("1"), (sheet.*box).userType(typed);
        EXPECT_EQ((sheet.*box).text(), kept) << '"' << typed << '"';
    }
    EXPECT_EQ(sheet.situation, SituationModifiers{});
    EXPECT_EQ(sheet.hexLW.items(), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(sheet.hexHW.items(), (std::vector<std::string>{"0", "1", "2"}));
}

} // namespace
