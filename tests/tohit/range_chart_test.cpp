// The range chart: the colour bands, the bracket edges, the expected damage and the copied
// text. That every cell is what Calculate shows at its range, and the notice that stands in for
// the lines, are checked on random sheets by the randomized sheet test.

#include "support/sheet_fixture.h"
#include "tohit/range_chart.h"

namespace {

struct ChartedSheet : FreshSheet {
    RangeChart chart{fake.services, wireCombatSheet};
};

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
    act(c.sheet,
        "gunSkill=4 targetProneBox rangeSlider=5 weapName(0)=MLaser weapLoc(0)=RA weapName(1)=AC20 "
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
    for (int range = 1; range <= rules::LongestRange; ++range) {
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
    EXPECT_EQ(laser.cells[3].spokenText(), "7, 21/36 (58.3%)");
    EXPECT_EQ(laser.cells[9].spokenText(), "Out of Range");
    EXPECT_EQ(c.chart.presentRange(), 5);
}

TEST(RangeChart, CopiesAHeadingOfRangesThenALinePerWeapon) {
    ChartedSheet c;
    act(c.sheet, "gunSkill=3 weapName(4)=MLaser weapLoc(4)=LA weapName(7)=Hatchet");
    c.chart.recompute(c.sheet);
    std::string heading = "Range";
    for (int range = 1; range <= rules::LongestRange; ++range) {
        heading.append("\t").append(std::to_string(range));
    }
    EXPECT_EQ(c.chart.tabSeparated(), heading + "\n5 MLaser LA\t3\t3\t3\t5\t5\t5\t7\t7\t7" +
                                          std::string(15, '\t') + "\n8 Hatchet\t3" +
                                          std::string(23, '\t') + "\n");
}

} // namespace
