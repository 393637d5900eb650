#pragma once

// A sheet's range chart as every front end draws it: a line per weapon and the expected damage
// last, a cell per range with its text, colours, tip, spoken text and marks, the legend and the
// title; and, after each change on the sheet, which cells and headings changed, so that a front
// end redraws those alone.

#include "layout/range_chart_look.h"
#include "tohit/range_chart.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

class RangeChartScene {
public:
    struct Cell {
        std::string text;
        std::string toolTip;
        std::string spoken;      // what a screen reader says of the cell
        bool outOfRange = false; // drawn as a hatch of `background`, without text
        chart::Rgb background = 0;
        chart::Rgb foreground = 0;
        bool bracketEdge = false; // a heavy line on its left
        bool present = false;     // in the column of the range the slider stands at
        bool operator==(const Cell&) const = default;
    };

    struct Line {
        std::string heading = {}; // "3 MLaser RA", or the expected damage's
        std::string headingTip = {};
        std::array<Cell, rules::LongestRange> cells = {};
        bool operator==(const Line&) const = default;
    };

    // What a legend entry's sample shows.
    enum class Sample { Band, OutOfRange, BracketEdge, PresentRange };
    struct LegendEntry {
        Sample sample;
        chart::Rgb colour;
        std::string text;
    };

    // What changed since the last update().
    struct Changes {
        // The chart took or lost lines, or its notice changed: everything is drawn afresh.
        bool whole = false;
        std::vector<std::pair<int, int>> cells; // (line, column from 0), line by line
        std::vector<int> headings;              // the lines whose heading changed
        bool presentMoved = false;              // the slider's range is another
    };

    // The chart's scratch sheet is wired by `wire` and uses the services given.
    RangeChartScene(platform::PlatformServices& services, void (*wire)(CombatSheet&));

    // Works the chart out afresh from the sheet as it stands; the first update tells of the
    // whole chart.
    Changes update(const CombatSheet& sheet);

    const RangeChart& chart() const { return chart_; }
    const std::string& title() const { return title_; }
    // What keeps the chart from being drawn; empty when it has lines.
    const std::string& notice() const { return chart_.notice(); }
    // The weapons' lines and the expected damage's last; none while there is a notice.
    const std::vector<Line>& lines() const { return lines_; }
    int presentRange() const { return presentRange_; }
    static std::vector<LegendEntry> legend();

private:
    std::vector<Line> linesNow() const;

    RangeChart chart_;
    std::string title_;
    std::vector<Line> lines_;
    std::string notice_; // as last told
    int presentRange_ = 0;
    bool told_ = false;
};
