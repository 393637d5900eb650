#include "tohit/calculate_fixture.h"

#include <stdexcept>

namespace {

// Declare names every ticked row with whatever its fields hold, rebuilt from scratch each
// time: the same text twice, the user's edits dropped.
TEST(FireDeclaration, DeclareWritesOneEntryPerTickedRow) {
    const std::pair<const char*, std::string> cases[] = {
        {"gunSkill=4 range=5 weapName0=MLaser Command1", ""},
        {"gunSkill=5 range=1 weapName11=Sword Command1 fireCheck11", "  Sword@5"},
        {"gunSkill=4 range=5 weapName0=MLaser Command1 fireCheck3", "  @"},
        {"weapName0=MLaser fireCheck0", "  MLaser@"},
        {"gunSkill=4 range=22 weapName2=LRM20 Command1 fireCheck2", "  LRM20@Out of Range"},
        // The new weapon's name with the old to-hit; rows in order, however ticked.
        {"gunSkill=4 range=5 weapName0=MLaser weapName1=SRM6 Command1 weapName0=PPC fireCheck1 "
         "fireCheck0",
         "  PPC@6  SRM6@6"}};
    for (const auto& [script, expected] : cases) {
        CalculateFixture f;
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
        {"fireCheck4 fireCheck9 Check1", "111000000000"},
        {"minRange1= Check1", "101000000000"},
        {"Check1 weapName6=PPC", "111000000000"},
        {"Check1 fireCheck4 fireCheck9 fireCheck11 Check1", "000000000000"}};
    for (const auto& [script, expected] : cases) {
        CalculateFixture f;
        act(f.sheet, std::string("weapName0=MLaser weapName1=PPC weapName2=AC20 ") + script);
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
    act(sheet, "weapName0=MLaser fireCheck0 Command4");
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
    platform::PlatformServices services{fake.messageBox, fake.windows, throwing, fake.registry,
                                        fake.launcher,   fake.files,   fake.help};
    for (platform::PlatformServices* platform : {&fake.services, &services}) {
        CombatSheet sheet(*platform);
        act(sheet, "weapName0=MLaser fireCheck0 Command4");
        const std::string before = controls(sheet);
        EXPECT_NO_THROW(act(sheet, "Command2"));
        EXPECT_EQ(controls(sheet), before);
    }
    EXPECT_EQ(fake.clipboard.calls, 1);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

} // namespace
