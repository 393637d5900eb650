#pragma once

// What the lance view shows, for every front end to draw as it is: a line per open sheet in the
// lance's order, each a row of cells under the view's headings, and the view's commands, which
// stand in the lance itself (Lance::nextTurnCommand, undoCommand, copyDeclarationCommand). A
// front end asks what changed since it last asked and redraws that alone. Line i stands for
// the lance's sheet i: activating it brings that sheet's window or tab to the front.

#include "app/results_age.h"
#include "app/sheet_controls.h"
#include "lance/lance.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class LanceScene {
public:
    static constexpr std::string_view Title = "Lance";
    // The columns, left to right; a screen reader hears each cell after its heading.
    enum Column : std::size_t { Mech, Turn, TotalHeat, Declaration, Damage, Results };
    static constexpr std::array<std::string_view, 6> Headings = {
        "Mech", "Turn", "Total Heat", "Declaration", "Damage", "Results"};

    // The damage cell of an undamaged Mech.
    static constexpr std::string_view NoDamage = "No damage";
    // The results cell, by the age of the sheet's to-hit numbers and total heat.
    static constexpr std::string_view Calculated = "Calculated";
    static constexpr std::string_view NotCalculated = "Not calculated";
    // A stale sheet's cell says what its stale results say of themselves on the sheet.

    struct Line {
        std::array<std::string, Headings.size()> cells;
        // Whether the sheet was calculated after its last change, for a mark beside the cell.
        ResultsAge::Age results = ResultsAge::Age::None;
        bool operator==(const Line&) const = default;
    };

    // What changed since the last update().
    struct Changes {
        std::vector<std::size_t> lines; // in order; a line past the end of a shorter lance is gone
        bool countChanged = false;      // a sheet opened or closed: the view has size() lines now
        bool undoChanged = false;       // Undo Next Turn became usable or unusable
    };

    // Where the lance's commands go in the sheet's menu bar: each in the drop-down of a command
    // of the sheet, after it and after the entries listed before it with the same place.
    struct MenuEntry {
        Command Lance::*command;
        Member<Command> after;
        std::vector<const char*> keys = {};
    };

    explicit LanceScene(const Lance& lance) : lance_(lance) {}

    std::size_t size() const { return lines_.size(); }
    const Line& line(std::size_t index) const { return lines_.at(index); }
    // The line as a screen reader names it: each heading with its cell, the empty ones left out:
    // "Mech: Kai:Ox. Turn: 1. Damage: Sensors hit. Results: Not calculated".
    std::string spoken(std::size_t index) const;
    // Reads every sheet again and tells what differs from what it told before; the first
    // update, and the first after forget(), tells every line.
    Changes update();
    void forget() { told_ = false; }

    // The sheet's line, as the view shows it now.
    static Line lineOf(const CombatSheet& sheet, int turn);
    // The damage the sheet's Mech has taken, in words: "Sensors hit; left arm: shoulder", or
    // NoDamage. An actuator grayed under its hit shoulder counts no more, and is not named.
    static std::string damageWords(const CombatSheet& sheet);

    // The lance's entries in every sheet's menu bar, in order.
    static const std::vector<MenuEntry>& menu();

private:
    const Lance& lance_;
    std::vector<Line> lines_;
    bool canUndo_ = false;
    bool told_ = false;
};
