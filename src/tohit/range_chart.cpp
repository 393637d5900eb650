#include "tohit/range_chart.h"

#include "app/sheet_copy.h"
#include "tohit/to_hit_breakdown.h"
#include "tohit/two_dice_odds.h"

#include <cstddef>

namespace {

std::size_t at(int range) {
    return static_cast<std::size_t>(range - 1);
}

// The row as the user counts it, then its weapon and where it is mounted: "3 MLaser RA".
std::string labelOf(const CombatSheet& sheet, int row) {
    std::string label = std::to_string(row + 1) + " " + sheet.weapName[row].text();
    const std::string& location = sheet.weapLoc[row].text();
    return location.empty() ? label : label + " " + location;
}

bool startsBracket(const RangeChart::Cell& nearer, const RangeChart::Cell& cell) {
    if (nearer.outOfRange || cell.outOfRange) {
        return nearer.outOfRange != cell.outOfRange;
    }
    return nearer.bracket != cell.bracket;
}

} // namespace

ChanceBand RangeChart::Cell::band() const {
    return chanceBand(toHit);
}

std::string RangeChart::Cell::spokenText() const {
    if (outOfRange) {
        ToHitRow beyond;
        beyond.status = ToHitRow::Status::OutOfRange;
        return beyond.toHitText(); // "Out of Range", as the sheet says it
    }
    return text + ", " + chanceText(toHit);
}

RangeChart::RangeChart(platform::PlatformServices& services, void (*wire)(CombatSheet&))
    : services_{messages_,         services.windows,   services.clipboard,
                services.registry, services.launcher,  services.files,
                services.help,     services.fileStore, services.fileDialog},
      scratch_(services_) {
    wire(scratch_);
}

void RangeChart::recompute(const CombatSheet& sheet) {
    copySheet(sheet, scratch_);
    presentRange_ = sheet.rangeSlider.position();
    notice_.clear();
    lines_.clear();
    damageOverOutcomes_.fill(0.0);
    for (int range = 1; range <= rules::LongestRange; ++range) {
        if (!calculateAt(range)) {
            // A chart is whole or not at all: the nearer ranges alone would pass for it.
            lines_.clear();
            return;
        }
        if (lines_.empty()) {
            notice_ = NoWeaponNotice;
            return;
        }
    }
}

// Moves the scratch's slider, which sets off the slider's own rule there, and presses its
// Calculate. A message stops the chart: the sheet would show it at this range.
bool RangeChart::calculateAt(int range) {
    messages_.clear();
    scratch_.rangeSlider.setPosition(range);
    scratch_.calculateButton.userClick();
    if (!messages_.texts().empty()) {
        notice_ = messages_.texts().front();
        return false;
    }
    if (range == 1) {
        addLines();
    }
    fillCells(range);
    return true;
}

// The rows Calculate gave a result, that is, every row holding a weapon.
void RangeChart::addLines() {
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        if (computeToHitRow(scratch_, row).status == ToHitRow::Status::Empty) {
            continue;
        }
        Line line{row, labelOf(scratch_, row), {}, std::nullopt};
        if (scratch_.fireCheck[row].value() == BoxState::Ticked) {
            line.weighedDamage = damageNumber(scratch_, row);
        }
        lines_.push_back(std::move(line));
    }
}

// Each cell shows what the scratch's to-hit field now shows; the row's computation, the same
// one Calculate has just made, tells its bracket and its number.
void RangeChart::fillCells(int range) {
    for (Line& line : lines_) {
        const ToHitRow computed = computeToHitRow(scratch_, line.row);
        const TextBox& field = scratch_.toHit[line.row];
        Cell& cell = line.cells[at(range)];
        cell.outOfRange = computed.status == ToHitRow::Status::OutOfRange;
        cell.text = cell.outOfRange ? std::string() : field.text();
        cell.toolTip = field.toolTip();
        cell.toHit = computed.total;
        cell.bracket = computed.bracket;
        cell.bracketEdge = range > 1 && startsBracket(line.cells[at(range - 1)], cell);
        if (line.weighedDamage && !cell.outOfRange) {
            damageOverOutcomes_[at(range)] += outcomesAtLeast(cell.toHit) * *line.weighedDamage;
        }
    }
}

std::string RangeChart::expectedDamageAt(int range) const {
    return expectedDamageText(damageOverOutcomes_[at(range)]);
}

std::string RangeChart::tabSeparated() const {
    if (!notice_.empty()) {
        return "";
    }
    std::string text = "Range";
    for (int range = 1; range <= rules::LongestRange; ++range) {
        text.append("\t").append(std::to_string(range));
    }
    text += "\n";
    for (const Line& line : lines_) {
        text += line.label;
        for (const Cell& cell : line.cells) {
            text.append("\t").append(cell.text);
        }
        text += "\n";
    }
    return text;
}
