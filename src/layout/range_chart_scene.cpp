#include "layout/range_chart_scene.h"

#include <cctype>
#include <cstddef>

namespace {

RangeChartScene::Cell weaponCell(const RangeChart::Cell& cell, bool present) {
    const ChanceBand band = cell.band();
    return {.text = cell.text,
            .toolTip = cell.toolTip,
            .spoken = cell.spokenText(),
            .outOfRange = cell.outOfRange,
            .background = cell.outOfRange ? chart::OutOfRangeHatch : chart::bandColour(band),
            .foreground = chart::bandTextColour(band),
            .bracketEdge = cell.bracketEdge,
            .present = present};
}

RangeChartScene::Line damageLine(const RangeChart& chart) {
    RangeChartScene::Line line{.heading = RangeChart::ExpectedDamageHeading,
                               .headingTip = std::string(chart::DamageLineTip)};
    std::string spokenAfter = std::string(" ") + RangeChart::ExpectedDamageHeading;
    spokenAfter[1] = static_cast<char>(std::tolower(spokenAfter[1]));
    for (int range = 1; range <= rules::LongestRange; ++range) {
        const std::string text = chart.expectedDamageAt(range);
        line.cells[static_cast<std::size_t>(range - 1)] = {
            .text = text,
            .toolTip = std::string(chart::DamageLineTip),
            .spoken = text + spokenAfter,
            .background = chart::DamageLineColour,
            .present = range == chart.presentRange()};
    }
    return line;
}

} // namespace

RangeChartScene::RangeChartScene(platform::PlatformServices& services, void (*wire)(CombatSheet&))
    : chart_(services, wire) {}

std::vector<RangeChartScene::Line> RangeChartScene::linesNow() const {
    std::vector<Line> lines;
    for (const RangeChart::Line& weapon : chart_.lines()) {
        Line& line = lines.emplace_back(Line{.heading = weapon.label});
        for (std::size_t at = 0; at < weapon.cells.size(); ++at) {
            line.cells[at] =
                weaponCell(weapon.cells[at], static_cast<int>(at) + 1 == chart_.presentRange());
        }
    }
    if (!lines.empty()) {
        lines.push_back(damageLine(chart_));
    }
    return lines;
}

// A change that keeps the number of lines tells the cells that changed, line by line, so that
// a front end repaints those, and keeps someone walking the table cell by cell where they are.
RangeChartScene::Changes RangeChartScene::update(const CombatSheet& sheet) {
    chart_.recompute(sheet);
    title_ = std::string(chart::TitlePrefix) + sheet.title();
    std::vector<Line> now = linesNow();
    Changes changes;
    changes.whole = !told_ || now.size() != lines_.size() || chart_.notice() != notice_;
    changes.presentMoved = chart_.presentRange() != presentRange_;
    for (std::size_t line = 0; line < now.size() && !changes.whole; ++line) {
        for (std::size_t at = 0; at < now[line].cells.size(); ++at) {
            if (!(now[line].cells[at] == lines_[line].cells[at])) {
                changes.cells.emplace_back(static_cast<int>(line), static_cast<int>(at));
            }
        }
        if (now[line].heading != lines_[line].heading) {
            changes.headings.push_back(static_cast<int>(line));
        }
    }
    lines_ = std::move(now);
    notice_ = chart_.notice();
    presentRange_ = chart_.presentRange();
    told_ = true;
    return changes;
}

std::vector<RangeChartScene::LegendEntry> RangeChartScene::legend() {
    std::vector<LegendEntry> entries;
    for (ChanceBand band : CHANCE_BANDS) {
        entries.push_back({Sample::Band, chart::bandColour(band), chanceBandLabel(band)});
    }
    entries.push_back(
        {Sample::OutOfRange, chart::OutOfRangeHatch, std::string(chart::OutOfRangeLegend)});
    entries.push_back(
        {Sample::BracketEdge, chart::BracketEdgeColour, std::string(chart::BracketEdgeLegend)});
    entries.push_back(
        {Sample::PresentRange, chart::PresentRangeColour, std::string(chart::PresentRangeLegend)});
    return entries;
}
