#pragma once

#include "layout/range_chart_look.h"

#include <QStyledItemDelegate>

// Draws a range chart's cell as usual, then the marks a colour cannot carry: a heavy line on
// the left of a cell where a bracket starts, and the sides of the column of the range the
// sheet stands at.
class RangeChartDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    static constexpr int EdgeWidth = chart::BracketEdgeWidth;
    static constexpr int FrameWidth = chart::PresentRangeWidth;
    static QColor edgeColour();
    static QColor frameColour();
};
