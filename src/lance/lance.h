#pragma once

// The lance: the open sheets of a program or a page, in the order they opened, and the turn
// of the game they play. The front ends own the sheets and tell the lance when one opens or
// closes; the lance clears them all for the next turn, takes that back in one step, and puts
// their declarations together.

#include "app/combat_sheet.h"
#include "app/command.h"
#include "platform/platform_services.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Lance {
public:
    static constexpr int FirstTurn = 1;
    // Far beyond any game's length, and few enough digits for the lance view's column.
    static constexpr int LastTurn = 999;

    explicit Lance(platform::PlatformServices& platform);
    Lance(const Lance&) = delete;
    Lance& operator=(const Lance&) = delete;
    ~Lance();

    // A sheet that has just opened joins the lance at its end; one that closes leaves it.
    // Either leaves nothing to undo: the sheets are no longer those the last turn cleared.
    void opened(CombatSheet& sheet);
    void closed(const CombatSheet& sheet);

    platform::PlatformServices& platform() const { return platform_; }
    std::size_t size() const { return members_.size(); }
    CombatSheet& sheet(std::size_t index) const { return *members_.at(index).sheet; }
    std::optional<std::size_t> indexOf(const CombatSheet& sheet) const;

    int turn() const { return turn_; }
    // Held between FirstTurn and LastTurn; a lance file sets it.
    void setTurn(int turn);

    // The text of Copy Lance Declaration: a line per sheet whose declaration box holds one,
    // in the lance's order, its title first; empty when no sheet has declared.
    std::string declaration() const;

    // Next Turn: every sheet's own Clear, clicked as its user clicks it, and the next turn;
    // each sheet is kept as it was first, for one undo.
    Command nextTurnCommand{"&Next Turn"};
    // Every sheet back as it was before the last Next Turn, and its turn: usable (enabled) only
    // while nothing opened or closed since. What a user changed on a sheet after Next Turn goes
    // with it, as the turn it belongs to is taken back.
    Command undoCommand{"&Undo Next Turn"};
    // Copies declaration() to the clipboard as a sheet's Copy does.
    Command copyDeclarationCommand{"Copy Lance &Declaration"};

    // What the front ends do on a click: show the lance view; ask for a lance file and open it
    // (lance_opening.h); ask for a name and save the lance there.
    Command viewCommand{"&Lance"};
    Command openCommand{"Open &Lance..."};
    Command saveAsCommand{"Sa&ve Lance As..."};

private:
    struct Member {
        CombatSheet* sheet;
        // The sheet as it was before the last Next Turn; kept from one turn to the next, so
        // that a turn allocates nothing.
        std::unique_ptr<CombatSheet> before;
    };

    void nextTurn();
    void undoNextTurn();
    void forgetUndo();

    platform::PlatformServices& platform_;
    std::vector<Member> members_;
    int turn_ = FirstTurn;
    std::optional<int> undoTurn_; // the turn before the last Next Turn, while it can be undone
};
