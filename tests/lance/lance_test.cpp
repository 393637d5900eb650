// The lance: its turn keeps within its bounds, its sheets their order, and its declaration puts
// the sheets' declarations together. What Next Turn and its undo do to the sheets the random
// lance checks on every turn it plays.

#include "support/lance_fixture.h"
#include "support/sheet_fixture.h"

#include <string>
#include <tuple>
#include <vector>

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
    const std::vector<std::tuple<const char*, std::vector<std::string>, std::string>> cases = {
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
