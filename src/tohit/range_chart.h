#pragma once

// The range chart: every weapon row's to-hit number at every range the slider sets, as the
// sheet would show it if the slider were moved there and Calculate pressed, with everything
// else as the sheet stands. The chart asks a scratch copy of the sheet, wired like any other
// sheet: its own slider rule and its own Calculate give every number, tip and message, so no
// rule of the game is written twice.

#include "app/combat_sheet.h"
#include "platform/platform_services.h"
#include "platform/recording_message_box.h"
#include "tohit/chance_band.h"
#include "tohit/to_hit_row.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class RangeChart {
public:
    // What one weapon row gives at one range.
    struct Cell {
        std::string text;    // as the to-hit field shows it; empty beyond the long range
        std::string toolTip; // the to-hit field's tip: the breakdown, or how far the weapon reaches
        bool outOfRange = false;
        double toHit = 0.0; // the number, in range
        ToHitRow::RangeBracket bracket = ToHitRow::RangeBracket::Short;
        // A bracket starts here: the range one hex nearer lies in another one, or in range
        // where this lies beyond.
        bool bracketEdge = false;

        bool operator==(const Cell&) const = default;
        ChanceBand band() const;
        // The number with its chance, as a screen reader says the cell: "6, 26/36 (72.2%)".
        std::string spokenText() const;
    };

    // One weapon row: "3 MLaser RA", and its cells from range 1 (cells[0]) to rules::LongestRange.
    struct Line {
        int row = 0;
        std::string label;
        std::array<Cell, rules::LongestRange> cells;
        // The damage this row adds to the expected damage, weighed by its chance: for a ticked
        // row whose damage is a number; none otherwise.
        std::optional<double> weighedDamage;

        bool operator==(const Line&) const = default;
    };

    static constexpr const char* NoWeaponNotice =
        "No weapon to chart: choose one in a row's Weapon list.";
    static constexpr const char* ExpectedDamageHeading = "Expected damage";

    // `wire` wires a sheet's handlers as for every sheet of the program. The scratch sheet
    // uses the services given, except that its messages are kept, never shown.
    RangeChart(platform::PlatformServices& services, void (*wire)(CombatSheet&));
    RangeChart(const RangeChart&) = delete;
    RangeChart& operator=(const RangeChart&) = delete;

    // Works the whole chart out afresh from the sheet as it stands, which it leaves untouched.
    void recompute(const CombatSheet& sheet);

    // What keeps the chart from being drawn, as Calculate words it, or the lack of any weapon;
    // empty when the chart has its lines.
    const std::string& notice() const { return notice_; }
    const std::vector<Line>& lines() const { return lines_; }
    // The expected damage of the ticked weapons at the range (1 to rules::LongestRange): "7.4".
    std::string expectedDamageAt(int range) const;
    // The slider's position on the sheet: the range the sheet stands at, 0 before it is set.
    int presentRange() const { return presentRange_; }
    // A heading line of ranges, then one line per weapon, cells split by tabs; empty while
    // there is a notice.
    std::string tabSeparated() const;

private:
    bool calculateAt(int range);
    void addLines();
    void fillCells(int range);

    platform::RecordingMessageBox messages_;
    platform::PlatformServices services_;
    CombatSheet scratch_;
    std::string notice_;
    std::vector<Line> lines_;
    // Per range, the damage of every hitting outcome of every weighed row, summed.
    std::array<double, rules::LongestRange> damageOverOutcomes_{};
    int presentRange_ = 0;
};
