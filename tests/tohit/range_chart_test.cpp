// The range chart against the sheet itself: every cell is what Calculate shows with the slider
// at that range; the colour bands, the bracket edges, the expected damage, the notice that
// stands in for the grid, and the copied text.

#include "app/sheet_copy.h"
#include "support/sheet_fixture.h"
#include "tohit/range_chart.h"
#include "weapons/weapon_catalogue.h"

#include <random>

namespace {

struct ChartedSheet : FreshSheet {
    RangeChart chart{fake.services, wireCombatSheet};
};

// What a player does to a sheet, at random: weapons, fire ticks, any box or option, woods
// counts and bracket texts, good or bad, a name, and the slider.
std::string randomWord(std::mt19937& random) {
    auto roll = [&random](std::size_t n) { return random() % n; };
    const std::string row = "(" + std::to_string(roll(WEAPON_ROWS)) + ")";
    // "#" stands for the row.
    const char* const typed[] = {"hexLW=1",    "hexHW=2",     "hexLW=1.5",
                                 "hexHW=y",    "minRange#=x", "sRange#=2",
                                 "lRange#=30", "mRange#=?",   "pilotName=Kai"};
    switch (roll(10)) {
    case 0:
    case 1:
    case 2: {
        std::string weapon(WEAPON_CHOICES[roll(WEAPON_CHOICES.size())]);
        std::replace(weapon.begin(), weapon.end(), ' ', '_');
        return "weapName" + row + "=" + weapon + " weapLoc" + row + "=" +
               std::string(WEAPON_LOCATIONS[roll(WEAPON_LOCATIONS.size())]);
    }
    case 3:
        return "fireCheck" + row;
    case 8: {
        std::string word = typed[roll(std::size(typed))];
        const auto hash = word.find('#');
        return hash == std::string::npos ? word : word.replace(hash, 1, row);
    }
    case 9:
        return "Slider1=" + std::to_string(roll(LONGEST_RANGE + 1));
    }
    for (;;) { // a box or an option of the sheet's own
        const NamedControl& named = sheetControls()[roll(sheetControls().size())];
        if (std::holds_alternative<Member<CheckBox>>(named.ref) ||
            std::holds_alternative<Member<OptionButton>>(named.ref)) {
            return std::string(named.name);
        }
    }
}

// Random sheets, their slider moved to every range and Calculate pressed: each cell and tip is
// what the row then shows, and the notice is the first message Calculate gives, or the lack of
// a weapon. The chart's copy of a sheet is the sheet; working it out leaves the sheet as it was
// and shows no message.
TEST(RangeChart, EveryCellIsWhatCalculateShowsAtItsRange) {
    std::mt19937 random(13);
    int drawn = 0, refused = 0;
    for (int round = 0; round < 150; ++round) {
        ChartedSheet c;
        std::string script = random() % 10 ? "gunSkill=" + std::to_string(random() % 13) : "";
        for (int word = 0; word < 14; ++word) {
            script += " " + randomWord(random);
        }
        SCOPED_TRACE(script);
        act(c.sheet, script);
        const std::string before = snapshot(c.sheet);
        FreshSheet copy; // what the chart starts from
        copySheet(c.sheet, copy.sheet);
        ASSERT_EQ(snapshot(copy.sheet), before);
        c.chart.recompute(c.sheet);
        ASSERT_EQ(snapshot(c.sheet), before);
        ASSERT_TRUE(c.fake.messageBox.shown.empty());
        const auto& shown = c.fake.messageBox.shown;
        for (int range = 1; range <= LONGEST_RANGE && shown.empty(); ++range) {
            act(c.sheet, "Slider1=" + std::to_string(range) + " Command1");
            for (int row = 0; row < WEAPON_ROWS && c.chart.notice().empty() && shown.empty();
                 ++row) {
                std::string text, tip;
                for (const RangeChart::Line& line : c.chart.lines()) {
                    const RangeChart::Cell& cell = line.cells[range - 1];
                    text = line.row == row ? (cell.outOfRange ? "Out of Range" : cell.text) : text;
                    tip = line.row == row ? cell.toolTip : tip;
                }
                EXPECT_EQ(text + "|" + tip,
                          c.sheet.toHit[row].text() + "|" + c.sheet.toHit[row].toolTip())
                    << "range " << range << ", row " << row;
            }
        }
        const bool armed = std::any_of(c.sheet.weapName.begin(), c.sheet.weapName.end(),
                                       [](const ComboBox& name) { return !name.text().empty(); });
        EXPECT_EQ(c.chart.notice(), !shown.empty() ? shown.front()
                                    : armed        ? ""
                                                   : RangeChart::NoWeaponNotice);
        (c.chart.notice().empty() ? drawn : refused) += 1;
    }
    EXPECT_GT(drawn, 50);
    EXPECT_GT(refused, 20);
}

TEST(RangeChart, ChanceBandsSplitTheNumbersAndTheLegendSaysWhere) {
    std::string bands;
    for (double toHit :
         {-4.0, 2.0, 2.5, 3.0, 6.0, 6.5, 7.0, 8.0, 8.5, 10.0, 11.0, 12.0, 12.5, 13.0}) {
        bands += std::to_string(static_cast<int>(chanceBand(toHit)));
    }
    EXPECT_EQ(bands, "00111222334455");
    std::string legend;
    for (ChanceBand band : CHANCE_BANDS) {
        legend += chanceBandLabel(band) + "|";
    }
    EXPECT_EQ(legend, "Always hits: 2 or less (100%)|Likely: 3 to 6 (72.2% to 97.2%)|About even: 7 "
                      "to 8 (41.7% to 58.3%)|Unlikely: 9 to 10 (16.7% to 27.8%)|Remote: 11 to 12 "
                      "(2.8% to 8.3%)|Never hits: 13 or more (0%)|");
}

// A line as "label:" and per range its text ("-" out of range), "|" where a bracket starts. The
// prone target is easier to hit from the adjacent hex only; the ticked weapons with a damage
// number make the expected damage: not the missiles, the sword or the unticked AC20.
TEST(RangeChart, LinesShowBracketEdgesAndTheTickedWeaponsExpectedDamage) {
    ChartedSheet c;
    act(c.sheet, "gunSkill=4 tProne0 Slider1=5 weapName(0)=MLaser weapLoc(0)=RA weapName(1)=AC20 "
                 "weapName(2)=LRM20 weapName(3)=Sword weapName(5)=PPC weapLoc(5)=RT fireCheck(0) "
                 "fireCheck(2) fireCheck(3) fireCheck(5)");
    c.chart.recompute(c.sheet);
    std::string lines, damage;
    for (const RangeChart::Line& line : c.chart.lines()) {
        lines += line.label + ":";
        for (const RangeChart::Cell& cell : line.cells) {
            lines += (cell.bracketEdge ? "|" : " ") + (cell.outOfRange ? "-" : cell.text);
        }
        lines += "\n";
    }
    for (int range = 1; range <= LONGEST_RANGE; ++range) {
        damage += c.chart.expectedDamageAt(range) + " ";
    }
    EXPECT_EQ(lines, "1 MLaser RA: 2 5 5|7 7 7|9 9 9|- - - - - - - - - - - - - - -\n"
                     "2 AC20: 2 5 5|7 7 7|9 9 9|- - - - - - - - - - - - - - -\n"
                     "3 LRM20: 8 10 9 8 7 6|5|7 7 7 7 7 7 7|9 9 9 9 9 9 9|- - -\n"
                     "4 Sword: 2|- - - - - - - - - - - - - - - - - - - - - - -\n"
                     "6 PPC RT: 5 7 6|5 5 5|7 7 7 7 7 7|9 9 9 9 9 9|- - - - - -\n");
    EXPECT_EQ(damage, "13.3 10.0 11.4 11.3 11.3 11.3 7.2 7.2 7.2 5.8 5.8 5.8 2.8 2.8 2.8 2.8 2.8 "
                      "2.8 0.0 0.0 0.0 0.0 0.0 0.0 ");
    const RangeChart::Line& laser = c.chart.lines().front();
    EXPECT_EQ(laser.cells[0].band(), ChanceBand::Always);
    EXPECT_EQ(laser.cells[3].spokenText() + ", " + laser.cells[9].spokenText(),
              "7, 21/36 (58.3%), Out of Range");
    EXPECT_EQ(c.chart.presentRange(), 5);
}

// Calculate's own message, or the lack of a weapon, stands in for the lines: nothing to copy.
// The slider need not have been moved.
TEST(RangeChart, ANoticeTellsWhatIsMissingInsteadOfTheLines) {
    const std::pair<const char*, const char*> cases[] = {
        {"weapName(0)=MLaser Slider1=3", "Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."},
        {"gunSkill=4", RangeChart::NoWeaponNotice},
        {"gunSkill=4 weapName(0)=MLaser hexLW=x", "Light Woods must be a number."},
        {"gunSkill=4 weapName(0)=MLaser hexHW=", "Heavy Woods must be a number."},
        {"gunSkill=4 weapName(2)=LRM20 sRange(2)=?", "Row 3, Short must be a number."},
        {"gunSkill=4 weapName(0)=MLaser lRange(0)=far", "Row 1, Long must be a number."},
        {"gunSkill=4 weapName(0)=MLaser", ""}};
    for (const auto& [script, notice] : cases) {
        ChartedSheet c;
        act(c.sheet, script);
        c.chart.recompute(c.sheet);
        EXPECT_EQ(c.chart.notice(), notice) << script;
        EXPECT_EQ(c.chart.lines().empty(), c.chart.tabSeparated().empty()) << script;
        EXPECT_EQ(c.chart.lines().empty(), *notice != '\0') << script;
        EXPECT_EQ(c.fake.messageBox.shown.size(), 0U);
    }
}

TEST(RangeChart, CopiesAHeadingOfRangesThenALinePerWeapon) {
    ChartedSheet c;
    act(c.sheet, "gunSkill=3 weapName(4)=MLaser weapLoc(4)=LA weapName(7)=Hatchet");
    c.chart.recompute(c.sheet);
    std::string heading = "Range";
    for (int range = 1; range <= LONGEST_RANGE; ++range) {
        heading += "\t" + std::to_string(range);
    }
    EXPECT_EQ(c.chart.tabSeparated(), heading + "\n5 MLaser LA\t3\t3\t3\t5\t5\t5\t7\t7\t7" +
                                          std::string(15, '\t') + "\n8 Hatchet\t3" +
                                          std::string(23, '\t') + "\n");
}

} // namespace
