#pragma once

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// The user picks the entry with this text from a list.
inline void pick(ComboBox& list, const std::string& entry) {
    const auto found = std::find(list.items().begin(), list.items().end(), entry);
    ASSERT_NE(found, list.items().end()) << entry;
    list.userPick(static_cast<int>(found - list.items().begin()));
}

// The situation's option buttons and check boxes, the select-all box and the commands.
using Clickable = std::variant<OptionButton*, CheckBox*, Command*>;
// clang-format off
#define NAMED(control) {#control, &s.control}
inline std::vector<std::pair<std::string, Clickable>> clickables(CombatSheet& s) {
    return {NAMED(aMove1), NAMED(aMove2), NAMED(aMove3), NAMED(aMove4), NAMED(aHeat0), NAMED(aHeat1),
        NAMED(aHeat2), NAMED(aHeat3), NAMED(aHeat4), NAMED(tMove0), NAMED(tMove1), NAMED(tMove2),
        NAMED(tMove3), NAMED(tMove4), NAMED(tOpenHex0), NAMED(tLW0), NAMED(tHW0), NAMED(tWater0),
        NAMED(aProne1), NAMED(aWater1), NAMED(dmgSensor1), NAMED(dmgShoulder1), NAMED(dmgUpperAct1),
        NAMED(dmgLowerAct1), NAMED(dmgShoulder2), NAMED(dmgUpperAct2), NAMED(dmgLowerAct2),
        NAMED(tJump0), NAMED(tPartial0), NAMED(tProne0), NAMED(tAdjHex0), NAMED(tImmobile0),
        NAMED(Check1), NAMED(Check6), NAMED(Command1), NAMED(Command2), NAMED(Command3),
        NAMED(Command4)};
}
// clang-format on
#undef NAMED

// What a snapshot records of a clickable control.
struct ClickableState {
    int operator()(const OptionButton* option) const { return option->selected(); }
    int operator()(const CheckBox* box) const { return box->value(); }
    int operator()(const Command*) const { return 0; }
};

// Does what the user does, step by step: "aMove2" clicks that button or box, "fireCheck3"
// row 3's fire box, "Command1" Calculate; "weapName0=LB-10X_AC" picks from a list ("_" for
// a blank), "hexLW=1.5" types into a box, "range=5" moves the slider.
inline void act(CombatSheet& s, const std::string& script) {
    std::map<std::string, std::function<void(const std::string&)>> steps = {
        {"gunSkill", [&s](auto& t) { pick(s.gunSkill, t); }},
        {"hexLW", [&s](auto& t) { s.hexLW.userType(t); }},
        {"hexHW", [&s](auto& t) { s.hexHW.userType(t); }},
        {"range", [&s](auto& t) { s.Slider1.userMove(std::stoi(t)); }}};
    for (auto [name, control] : clickables(s)) {
        steps[name] = [control](auto&) { std::visit([](auto* c) { c->userClick(); }, control); };
    }
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        const std::string row = std::to_string(i);
        steps["fireCheck" + row] = [&s, i](auto&) { s.fireCheck[i].userClick(); };
        steps["weapName" + row] = [&s, i](auto& t) { pick(s.weapName[i], t); };
        steps["weapLoc" + row] = [&s, i](auto& t) { pick(s.weapLoc[i], t); };
        steps["minRange" + row] = [&s, i](auto& t) { s.minRange[i].userType(t); };
        steps["sRange" + row] = [&s, i](auto& t) { s.sRange[i].userType(t); };
        steps["mRange" + row] = [&s, i](auto& t) { s.mRange[i].userType(t); };
    }
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        std::replace(word.begin(), word.end(), '_', ' ');
        const auto step = steps.find(word.substr(0, word.find('=')));
        ASSERT_NE(step, steps.end()) << word;
        step->second(word.substr(std::min(step->first.size() + 1, word.size())));
    }
}

// Every control that Calculate, Declare, select-all and Clear read or write, as one text.
inline std::string controls(CombatSheet& s) {
    std::ostringstream out;
    for (auto [name, control] : clickables(s)) {
        out << name << "=" << std::visit(ClickableState{}, control) << " ";
    }
    out << "hexLW=" << s.hexLW.text() << " hexHW=" << s.hexHW.text()
        << " Slider1=" << s.Slider1.position() << " range1=" << s.range1.text()
        << " gunSkill=" << s.gunSkill.text() << " Text12=" << s.Text12.text()
        << " Text13=" << s.Text13.text();
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        out << "\n"
            << s.weapName[i].text() << "@" << s.weapLoc[i].text() << " " << s.minRange[i].text()
            << " " << s.toHit[i].text() << " " << s.toHit[i].toolTip() << " "
            << s.fireCheck[i].value();
    }
    return out.str();
}

struct CalculateFixture {
    FakePlatform fake;
    CombatSheet sheet{fake.services};

    // The rows' to-hit texts, or their tips, "|" between rows, up to the last one not empty.
    std::string column(bool tips = false) const {
        std::string texts;
        for (const TextBox& box : sheet.toHit) {
            texts += (tips ? box.toolTip() : box.text()) + "|";
        }
        return texts.substr(0, texts.find_last_not_of('|') + 1);
    }
};

struct SheetTest : CalculateFixture, testing::Test {};
