#pragma once

#include "layout/range_chart_scene.h"

#include <QAbstractTableModel>
#include <QColor>

// The range chart's scene as a table for a view: a line per weapon and the expected damage last,
// a column per range. Each cell gives its text, colours, tip and spoken text, and the marks its
// delegate draws; the row and column headings name the line and the range. Told of a change,
// it tells its view which cells changed, so that the view repaints only those.
class RangeChartTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Where a bracket starts at the cell (bool), and whether the cell lies in the column of
    // the range the sheet stands at (bool).
    static constexpr int BracketEdgeRole = Qt::UserRole;
    static constexpr int PresentRangeRole = Qt::UserRole + 1;

    explicit RangeChartTableModel(const RangeChartScene& scene, QObject* parent = nullptr);

    // To be called with what the scene's update() told.
    void sceneChanged(const RangeChartScene::Changes& changes);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The brush of a cell, or of a legend's sample: beyond the long range, a hatch.
    static QBrush brushOf(chart::Rgb colour, bool outOfRange);

private:
    QVariant rangeHeading(int range, int role) const;
    QVariant lineHeading(int row, int role) const;

    const RangeChartScene& scene_;
};
