// The range chart's scene, which every front end draws as it is: the expected damage's line, the
// present range, the legend's words, and which cells changed after one change on the sheet.

#include "layout/range_chart_scene.h"
#include "support/sheet_fixture.h"

#include <tuple>

namespace {

using Cells = std::vector<std::pair<int, int>>;

struct RangeChartSceneTest : SheetTest {
    RangeChartScene scene{fake.services, wireCombatSheet};
    void SetUp() override {
        act(sheet, "gunSkill=4 doneButton weapName(0)=MLaser weapLoc(0)=RA rangeSlider=5 "
                   "fireCheck(0)");
        scene.update(sheet);
    }
};

// The expected damage comes last, read at the slider's range like the weapons' cells; a weapon
// beyond its long range shows a hatch and no number.
TEST_F(RangeChartSceneTest, TheLastLineIsTheExpectedDamage) {
    ASSERT_EQ(scene.lines().size(), 2u);
    const RangeChartScene::Line& damage = scene.lines()[1];
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"heading", damage.heading, "Expected damage"},
        {"at 5 hexes: 26/36 of 5", damage.cells[4].text, "3.6"},
        {"spoken at 5 hexes", damage.cells[4].spoken, "3.6 expected damage"},
        {"beyond the laser's reach", damage.cells[9].text, "0.0"},
        {"the laser at 5 hexes", scene.lines()[0].cells[4].spoken, "6, 26/36 (72.2%)"},
        {"the laser beyond its reach", scene.lines()[0].cells[9].text, ""},
        {"title", scene.title(), "Range Chart - Vexolan"},
    };
    for (const auto& [what, shown, expected] : rows) {
        EXPECT_EQ(shown, expected) << what;
    }
    EXPECT_TRUE(damage.cells[4].present);
    EXPECT_FALSE(damage.cells[5].present);
    EXPECT_TRUE(scene.lines()[0].cells[9].outOfRange);
}

// One change on the sheet tells the cells and headings it changed and no others; a new weapon's
// line has the whole chart drawn afresh.
TEST_F(RangeChartSceneTest, AChangeTellsTheCellsItChanged) {
    // What the user does; whether the whole chart, which cells and headings, and whether the
    // present range are told.
    const std::tuple<const char*, bool, Cells, std::vector<int>, bool> steps[] = {
        {"rangeSlider=6", false, {{0, 4}, {0, 5}, {1, 4}, {1, 5}}, {}, true},
        {"weapLoc(0)=LA", false, {}, {0}, false},
        {"weapName(1)=PPC", true, {}, {}, false},
    };
    for (const auto& [script, whole, cells, headings, presentMoved] : steps) {
        act(sheet, script);
        const RangeChartScene::Changes changes = scene.update(sheet);
        EXPECT_EQ(std::tie(changes.whole, changes.cells, changes.headings, changes.presentMoved),
                  std::tie(whole, cells, headings, presentMoved))
            << script;
    }
}

// The legend names every band, then the marks, in the words of the chart's look.
TEST(RangeChartScene, TheLegendSaysWhatEachSampleMeans) {
    const std::vector<RangeChartScene::LegendEntry> legend = RangeChartScene::legend();
    ASSERT_EQ(legend.size(), CHANCE_BANDS.size() + 3);
    EXPECT_EQ(legend[1].text, chanceBandLabel(ChanceBand::Likely));
    EXPECT_EQ(legend[6].text, "Beyond long range");
    EXPECT_EQ(legend[7].sample, RangeChartScene::Sample::BracketEdge);
    EXPECT_EQ(legend[8].text, "The range the slider stands at");
}

} // namespace
