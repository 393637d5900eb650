// Copy and Clear; select-all and Declare are checked against their rules by the randomized
// sheet test.

#include "support/sheet_fixture.h"

namespace {

// Copy puts exactly the box's text on the clipboard, edits included, even an empty one.
TEST_F(SheetTest, CopyPutsTheBoxTextOnTheClipboard) {
    act(sheet, "copyButton");
    EXPECT_EQ(fake.clipboard.text, "");
    act(sheet, "weapName(0)=MLaser fireCheck(0) declareButton");
    sheet.declarationBox.userType(sheet.declarationBox.text() + "  Kick@3");
    act(sheet, "copyButton");
    EXPECT_EQ(fake.clipboard.text, "  MLaser@  Kick@3");
    EXPECT_EQ(fake.clipboard.calls, 2);
}

// A clipboard that refuses or throws leaves the sheet as it was, without a message.
TEST(FireDeclaration, AFailingClipboardLeavesTheSheetAsItWas) {
    for (const bool throwing : {false, true}) {
        FreshSheet f;
        f.fake.clipboard.failing = !throwing;
        f.fake.clipboard.throwing = throwing;
        act(f.sheet, "weapName(0)=MLaser fireCheck(0) declareButton");
        const std::string before = snapshot(f.sheet);
        EXPECT_NO_THROW(act(f.sheet, "copyButton"));
        EXPECT_EQ(snapshot(f.sheet), before);
        EXPECT_EQ(f.fake.clipboard.calls, 1);
        EXPECT_TRUE(f.fake.messageBox.shown.empty());
    }
}

// What stays from turn to turn: pilot, weapons, damage and the range.
const std::string Mech =
    "gunSkill=4 rangeSlider=5 weapName(0)=MLaser weapLoc(0)=RA weapName(1)=MPLaser "
    "weapLoc(1)=LA weapName(2)=LRM20 weapLoc(2)=CT weapName(3)=SLaser weapLoc(3)=LT "
    "sensorsBox rightShoulderBox ";

// Clear works through the controls' own handlers: after any attack, the controls and every
// modifier match a sheet given only the same Mech, so a modifier that Clear set itself and
// forgot shows up here. Each attack sets one resettable field or box; Clear on a sheet that
// is already clear changes nothing.
TEST(SheetClear, EndsLikeASheetGivenOnlyTheSameMech) {
    // clang-format off
    const char* const attacks[] = {"walkedOption", "heat24PlusOption", "attackerProneBox",
        "attackerWaterBox", "targetMoved3to4Option", "targetJumpedBox", "partialCoverBox",
        "targetProneBox", "immobileBox", "heavyWoodsOption", "lightWoodsOption",
        "targetWaterOption", "targetWaterOption openHexOption", "hexLW=3 hexHW=x"};
    // clang-format on
    FreshSheet reference;
    act(reference.sheet, Mech);
    const std::string mech = snapshot(reference.sheet);
    act(reference.sheet, "clearButton");
    ASSERT_EQ(snapshot(reference.sheet), mech);
    for (const char* attack : attacks) {
        FreshSheet f;
        act(f.sheet, Mech + attack + " calculateButton selectAllBox declareButton clearButton");
        EXPECT_EQ(snapshot(f.sheet), mech) << attack;
    }
}

} // namespace
