// The lance: Next Turn clears every sheet as its own Clear does and one undo takes it all back,
// and the lance's declaration puts the sheets' declarations together.

#include "support/lance_fixture.h"
#include "support/sheet_fixture.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// A turn of attacks on each sheet: names, skill, range, weapons, ticks, results and a turn's
// situation, the things Clear resets and the things it keeps.
const Texts Attacks = {
    "pilotName=Ilsa_Marrow mechName=Quillfen_QF-2 gunSkill=4 doneButton rangeSlider=5 "
    "weapName(0)=MLaser weapLoc(0)=RA weapName(1)=LRM20 weapLoc(1)=LT fireCheck(0) fireCheck(1) "
    "ranOption heat8to12Option targetJumpedBox lightWoodsOption hexLW=1 leftShoulderBox "
    "calculateButton declareButton",
    "pilotName=Tovin_Reyle mechName=Brannoch_BR-5 gunSkill=3 doneButton rangeSlider=2 "
    "weapName(0)=SRM6 weapLoc(0)=CT selectAllBox sensorsBox attackerProneBox partialCoverBox "
    "calculateButton",
    "",
};

void attack(LanceOfSheets& sheets) {
    for (std::size_t i = 0; i < Attacks.size(); ++i) {
        act(sheets[i], Attacks[i]);
    }
}

// The lance of the attacks above.
struct Attacked : LanceOfSheets {
    Attacked() : LanceOfSheets(Attacks.size()) { attack(*this); }
};

Texts snapshots(LanceOfSheets& sheets) {
    Texts texts;
    for (const FreshSheet& fresh : sheets.sheets) {
        texts.push_back(snapshot(fresh.sheet));
    }
    return texts;
}

} // namespace

// Each sheet ends where its own Clear, clicked by hand, leaves the same sheet, and one undo
// brings every sheet and the turn back.
TEST(LanceNextTurn, ClearsEachSheetAsItsClearAndOneUndoBringsAllBack) {
    Attacked sheets;
    const Texts before = snapshots(sheets);
    sheets.lance.nextTurnCommand.userClick();
    for (std::size_t i = 0; i < Attacks.size(); ++i) {
        FreshSheet byHand;
        act(byHand.sheet, Attacks[i] + " clearButton");
        EXPECT_EQ(snapshot(sheets[i]), snapshot(byHand.sheet)) << "sheet " << i;
    }
    EXPECT_EQ(sheets.lance.turn(), 2);
    sheets.lance.undoCommand.userClick();
    EXPECT_EQ(snapshots(sheets), before);
    EXPECT_EQ(sheets.lance.turn(), 1);
    EXPECT_FALSE(sheets.lance.undoCommand.enabled());
}

// A sheet that opened or closed since leaves the lance's sheets other than those cleared.
TEST(LanceNextTurn, NoUndoOnceASheetOpensOrCloses) {
    const std::vector<std::pair<const char*, void (*)(LanceOfSheets&)>> cases = {
        {"opened", [](LanceOfSheets& s) { s.open(); }},
        {"closed", [](LanceOfSheets& s) { s.lance.closed(s[1]); }},
    };
    for (const auto& [name, change] : cases) {
        Attacked sheets;
        sheets.lance.nextTurnCommand.userClick();
        const std::string cleared = snapshot(sheets[0]);
        change(sheets);
        EXPECT_FALSE(sheets.lance.undoCommand.enabled()) << name;
        sheets.lance.undoCommand.userClick();
        EXPECT_EQ(snapshot(sheets[0]), cleared) << name;
        EXPECT_EQ(sheets.lance.turn(), 2) << name;
    }
}

TEST(LanceNextTurn, TheTurnStopsAtTheLast) {
    LanceOfSheets sheets(1);
    sheets.lance.setTurn(Lance::LastTurn);
    sheets.lance.nextTurnCommand.userClick();
    EXPECT_EQ(sheets.lance.turn(), Lance::LastTurn);
    sheets.lance.setTurn(0);
    EXPECT_EQ(sheets.lance.turn(), Lance::FirstTurn);
}

// A line per sheet that declared, in the lance's order, each its title and then its declaration
// as the box holds it, edits and all.
TEST(LanceDeclaration, ALinePerSheetThatDeclared) {
    // Each sheet is named Kai:Ox plus its place and its box made to hold the declaration given.
    const std::vector<std::tuple<const char*, Texts, std::string>> cases = {
        {"none", {"", ""}, ""},
        {"blank", {" \n "}, ""},
        {"two of three",
         {"  MLaser@7  LRM20@9", "", "  SRM6@5"},
         "Kai:Ox0  MLaser@7  LRM20@9\nKai:Ox2  SRM6@5"},
        {"edited", {"MLaser@7\nthen run"}, "Kai:Ox0  MLaser@7 then run"},
    };
    for (const auto& [name, boxes, expected] : cases) {
        LanceOfSheets sheets(boxes.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            act(sheets[i], "pilotName=Kai mechName=Ox" + std::to_string(i));
            sheets[i].declarationBox.userType(boxes[i]);
        }
        EXPECT_EQ(sheets.lance.declaration(), expected) << name;
        sheets.lance.copyDeclarationCommand.userClick();
        EXPECT_EQ(sheets.fake.clipboard.text, expected) << name;
    }
}

// A line of the lance view stands for the sheet at its place; a sheet that closed has none.
TEST(LanceSheets, KeepTheirOrderAsOthersClose) {
    LanceOfSheets sheets(3);
    sheets.lance.closed(sheets[1]);
    EXPECT_EQ(sheets.lance.indexOf(sheets[2]), 1U);
    EXPECT_EQ(sheets.lance.indexOf(sheets[1]), std::nullopt);
}
