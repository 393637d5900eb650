// How old the sheet's results are: a change of anything the numbers are worked out from leaves
// them standing but stale until the next successful Calculate or Clear; a declaration quoting
// stale numbers stays stale until it is declared again.

#include "support/sheet_fixture.h"

namespace {

using Age = ResultsAge::Age;

// A Mech with one ticked weapon at a range, ready to be calculated.
constexpr const char* Armed = "gunSkill=4 doneButton weapName(0)=MLaser weapLoc(0)=RA "
                              "rangeSlider=3 fireCheck(0) ";

TEST(ResultsAge, ResultsGoStaleAtAChangeAndFreshAtCalculate) {
    const struct {
        const char* what;
        std::string script;
        Age numbers;
        Age declaration = Age::None;
    } rows[] = {
        {"nothing calculated", "", Age::None},
        {"calculated, its own writes included", "calculateButton", Age::Fresh},
        {"calculated twice", "calculateButton calculateButton", Age::Fresh},
        {"a tick", "calculateButton fireCheck(0)", Age::Stale},
        {"select all and none", "calculateButton selectAllBox selectAllBox", Age::Stale},
        {"a weapon", "calculateButton weapName(1)=LLaser", Age::Stale},
        {"a location", "calculateButton weapLoc(0)=LA", Age::Stale},
        {"the movement", "calculateButton walkedOption", Age::Stale},
        {"an arm's damage", "calculateButton rightShoulderBox", Age::Stale},
        {"the range", "calculateButton rangeSlider=4", Age::Stale},
        {"the woods", "calculateButton hexLW=1", Age::Stale},
        {"the technology base", "calculateButton mnuEdit clanOption doneButton", Age::Stale},
        {"the gunnery skill", "calculateButton mnuEdit gunSkill=2 doneButton", Age::Stale},
        {"the pilot's name only", "calculateButton mnuEdit pilotName=Kai doneButton", Age::Fresh},
        {"a change undone", "calculateButton walkedOption stationaryOption", Age::Fresh},
        {"calculated again", "calculateButton walkedOption calculateButton", Age::Fresh},
        {"a failed calculation", "calculateButton rangeSlider=0 calculateButton", Age::Stale},
        {"cleared", "calculateButton walkedOption declareButton clearButton", Age::None},
        {"declared before any number", "declareButton", Age::None},
        {"declared", "calculateButton declareButton", Age::Fresh, Age::Fresh},
        {"declared, then a tick", "calculateButton declareButton fireCheck(0)", Age::Stale,
         Age::Stale},
        {"declared stale, then calculated",
         "calculateButton ranOption declareButton calculateButton", Age::Fresh, Age::Stale},
        {"declared again", "calculateButton ranOption declareButton calculateButton declareButton",
         Age::Fresh, Age::Fresh},
    };
    for (const auto& row : rows) {
        FreshSheet fresh;
        act(fresh.sheet, std::string(Armed) + row.script);
        const ResultsAge::Inputs now = fresh.sheet.resultInputs();
        EXPECT_EQ(fresh.sheet.resultsAge.numbers(now), row.numbers) << row.what;
        EXPECT_EQ(fresh.sheet.resultsAge.declaration(now), row.declaration) << row.what;
    }
}

} // namespace
