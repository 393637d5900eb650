#pragma once

// What a combat sheet shows, place by place of sheet::sheetLayout(), for every front end to draw
// as it is: each control's caption and spoken name, whether it is shown and usable, its value,
// text and description, and where the keyboard goes when another panel comes to the front. A
// front end asks what changed since it last asked and redraws that alone.

#include "app/combat_sheet.h"
#include "layout/sheet_layout.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class SheetScene {
public:
    // A caption as it reads, and the letter that a front end with mnemonics underlines.
    struct Caption {
        std::string text;  // without the marker: "Edit Mech"
        int mnemonic = -1; // the place in `text` of the marked letter; -1 for none
        bool operator==(const Caption&) const = default;
    };

    // What a place says for as long as the sheet lives.
    struct Fixed {
        // A control's or a label's own caption; a label without one shows its control's.
        Caption caption;
        // What a screen reader calls a control of the model ("Weapon 1", "Right Arm Shoulder");
        // empty for a passive label or line.
        std::string name;
    };

    // What a place shows now.
    struct Shown {
        // Hidden as the model says, and also while a panel in front covers it whole.
        bool visible = true;
        bool enabled = true;
        bool readOnly = false;
        // A box's 0, 1 or 2, an option's 0 or 1, the slider's position, a list's entry.
        int value = 0;
        std::string text;
        // The tip the model gives a box, which a screen reader also says after the name.
        std::string description;
        // Why a result no longer holds, for its mark and for a screen reader; empty while it
        // holds, and for whatever is no result.
        std::string stale;
        bool operator==(const Shown&) const = default;
    };

    // What changed since the last update().
    struct Changes {
        std::vector<std::size_t> places; // in the layout's order
        // The first field of the panel that has just come to the front, for the keyboard.
        std::optional<std::size_t> focus;
    };

    // What a stale result says of itself.
    static constexpr const char* StaleNote = "Not recalculated since the last change";

    explicit SheetScene(const CombatSheet& sheet);

    // What the place of sheet::sheetLayout() says on the sheet.
    static Fixed fixedOf(const CombatSheet& sheet, std::size_t place);
    const Shown& shown(std::size_t place) const { return shown_.at(place); }
    // Reads the sheet again and tells what differs from what it told before; the first update,
    // and the first after forget(), tells every place and moves no keyboard.
    Changes update();
    void forget();

    // A menu entry's caption.
    static Caption menuCaption(const CombatSheet& sheet, const sheet::MenuEntry& entry);

private:
    std::vector<Shown> shownNow() const;
    void markStale(std::vector<Shown>& shown) const;
    std::optional<std::size_t> firstFieldOf(std::size_t panel,
                                            const std::vector<Shown>& shown) const;

    const CombatSheet& sheet_;
    std::vector<Shown> shown_;
    std::optional<std::size_t> inFront_; // as last told; none before the first update
};
