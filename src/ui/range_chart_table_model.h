#pragma once

#include "tohit/range_chart.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

// The range chart as a table for a view: a line per weapon and the expected damage last, a
// column per range. Each cell gives its number as its text, its chance as its colour and, for
// a screen reader, the number with its chance; the row and column headings name the weapon
// and the range. It shows a copy of the chart as it was when last told of a change, so that it
// can tell its view which cells changed and the view repaints only those.
class RangeChartTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Where a bracket starts at the cell (bool), and whether the cell lies in the column of
    // the range the sheet stands at (bool).
    static constexpr int BracketEdgeRole = Qt::UserRole;
    static constexpr int PresentRangeRole = Qt::UserRole + 1;

    explicit RangeChartTableModel(const RangeChart& chart, QObject* parent = nullptr);

    // To be called once the chart has been worked out again.
    void chartChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The colours of a chance band: from green, sure to hit, to dark red, sure to miss.
    static QColor bandColour(ChanceBand band);
    static QColor bandTextColour(ChanceBand band);
    // Out of range: a hatch on grey, with nothing written.
    static QBrush outOfRangeBrush();

private:
    // What the table shows of the chart.
    struct Shown {
        std::vector<RangeChart::Line> lines;
        std::vector<std::string> damage; // per range, while there are lines
        int presentRange = 0;
    };

    Shown shownOf(const RangeChart& chart) const;
    void announceChanges(const Shown& before);
    bool isDamageLine(int row) const;
    QVariant weaponData(const QModelIndex& index, int role) const;
    QVariant damageData(int range, int role) const;
    QVariant rangeHeading(int range, int role) const;
    QVariant lineHeading(int row, int role) const;

    const RangeChart& chart_;
    Shown shown_;
};
