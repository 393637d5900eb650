// Select-all, Declare, Copy and Clear.

#include "support/sheet_fixture.h"

#include <stdexcept>

namespace {

// Declare names every ticked row with whatever its fields hold, rebuilt from scratch each
// time: the same text twice, the user's edits dropped.
TEST(FireDeclaration, DeclareWritesOneEntryPerTickedRow) {
    const std::pair<const char*, std::string> cases[] = {
        {"gunSkill=4 Slider1=5 weapName(0)=MLaser Command1", ""},
        {"gunSkill=5 Slider1=1 weapName(11)=Sword Command1 fireCheck(11)", "  Sword@5"},
        {"gunSkill=4 Slider1=5 weapName(0)=MLaser Command1 fireCheck(3)", "  @"},
        {"weapName(0)=MLaser fireCheck(0)", "  MLaser@"},
        {"gunSkill=4 Slider1=22 weapName(2)=LRM20 Command1 fireCheck(2)", "  LRM20@Out of Range"},
        // The new weapon's name with the old to-hit; rows in order, however ticked.
        {"gunSkill=4 Slider1=5 weapName(0)=MLaser weapName(1)=SRM6 Command1 weapName(0)=PPC "
         "fireCheck(1) "
         "fireCheck(0)",
         "  PPC@6  SRM6@6"}};
    for (const auto& [script, expected] : cases) {
        FreshSheet f;
        act(f.sheet, script);
        act(f.sheet, "Command4");
        EXPECT_EQ(f.sheet.Text13.text(), expected) << script;
        f.sheet.Text13.userType(expected + "  Kick@3");
        act(f.sheet, "Command4");
        EXPECT_EQ(f.sheet.Text13.text(), expected) << script;
    }
}

// Select-all ticks exactly the rows whose "Min" holds text, dropping hand ticks elsewhere,
// once: a weapon chosen later stays unticked. Unticking it unticks all twelve.
TEST(FireDeclaration, SelectAllTicksTheRowsHoldingAWeapon) {
    const std::pair<const char*, const char*> cases[] = {
        {"fireCheck(4) fireCheck(9) Check1", "111000000000"},
        {"minRange(1)= Check1", "101000000000"},
        {"Check1 weapName(6)=PPC", "111000000000"},
        {"Check1 fireCheck(4) fireCheck(9) fireCheck(11) Check1", "000000000000"}};
    for (const auto& [script, expected] : cases) {
        FreshSheet f;
        act(f.sheet, std::string("weapName(0)=MLaser weapName(1)=PPC weapName(2)=AC20 ") + script);
        std::string ticks;
        for (const CheckBox& box : f.sheet.fireCheck) {
            ticks += std::to_string(box.value());
        }
        EXPECT_EQ(ticks, expected) << script;
    }
}

// Copy puts exactly the box's text on the clipboard, edits included, even an empty one.
TEST_F(SheetTest, CopyPutsTheBoxTextOnTheClipboard) {
    act(sheet, "Command2");
    EXPECT_EQ(fake.clipboard.text, "");
    act(sheet, "weapName(0)=MLaser fireCheck(0) Command4");
    sheet.Text13.userType(sheet.Text13.text() + "  Kick@3");
    act(sheet, "Command2");
    EXPECT_EQ(fake.clipboard.text, "  MLaser@  Kick@3");
    EXPECT_EQ(fake.clipboard.calls, 2);
}

struct ThrowingClipboard : platform::Clipboard {
    bool setText(const std::string&) override { throw std::runtime_error("held elsewhere"); }
};

// A clipboard that refuses or throws leaves the sheet as it was, without a message.
TEST(FireDeclaration, AFailingClipboardLeavesTheSheetAsItWas) {
    FakePlatform fake;
    fake.clipboard.failing = true;
    ThrowingClipboard throwing;
    platform::PlatformServices services{fake.messageBox, fake.windows,   throwing,
                                        fake.registry,   fake.launcher,  fake.files,
                                        fake.help,       fake.fileStore, fake.fileDialog};
    for (platform::PlatformServices* platform : {&fake.services, &services}) {
        CombatSheet sheet(*platform);
        wireCombatSheet(sheet);
        act(sheet, "weapName(0)=MLaser fireCheck(0) Command4");
        const std::string before = snapshot(sheet);
        EXPECT_NO_THROW(act(sheet, "Command2"));
        EXPECT_EQ(snapshot(sheet), before);
    }
    EXPECT_EQ(fake.clipboard.calls, 1);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

// What stays from turn to turn: pilot, weapons, damage and the range.
const std::string Mech =
    "gunSkill=4 Slider1=5 weapName(0)=MLaser weapLoc(0)=RA weapName(1)=MPLaser "
    "weapLoc(1)=LA weapName(2)=LRM20 weapLoc(2)=CT weapName(3)=SLaser weapLoc(3)=LT "
    "dmgSensor1 dmgShoulder1 ";

// Clear works through the controls' own handlers: after any attack, the controls and every
// modifier match a sheet given only the same Mech, so a modifier that Clear set itself and
// forgot shows up here. Each attack sets one resettable field or box; Clear on a sheet that
// is already clear changes nothing.
TEST(SheetClear, EndsLikeASheetGivenOnlyTheSameMech) {
    const char* const attacks[] = {
        "aMove2", "aHeat4",    "aProne1",           "aWater1",        "tMove1",
        "tJump0", "tPartial0", "tProne0",           "tImmobile0",     "tHW0",
        "tLW0",   "tWater0",   "tWater0 tOpenHex0", "hexLW=3 hexHW=x"};
    FreshSheet reference;
    act(reference.sheet, Mech);
    const std::string mech = snapshot(reference.sheet);
    act(reference.sheet, "Command3");
    ASSERT_EQ(snapshot(reference.sheet), mech);
    for (const char* attack : attacks) {
        FreshSheet f;
        act(f.sheet, Mech + attack + " Command1 Check1 Command4 Command3");
        EXPECT_EQ(snapshot(f.sheet), mech) << attack;
    }
}

} // namespace
