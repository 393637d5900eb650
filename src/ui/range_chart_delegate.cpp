#include "ui/range_chart_delegate.h"

#include "ui/range_chart_table_model.h"

#include "layout/range_chart_look.h"

#include <QPainter>

QColor RangeChartDelegate::edgeColour() {
    return QColor::fromRgb(chart::BracketEdgeColour);
}

QColor RangeChartDelegate::frameColour() {
    return QColor::fromRgb(chart::PresentRangeColour);
}

void RangeChartDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QRect cell = option.rect;
    painter->save();
    if (index.data(RangeChartTableModel::PresentRangeRole).toBool()) {
        painter->fillRect(QRect(cell.left(), cell.top(), FrameWidth, cell.height()), frameColour());
        painter->fillRect(
            QRect(cell.right() - FrameWidth + 1, cell.top(), FrameWidth, cell.height()),
            frameColour());
    }
    // Drawn over the frame: where the brackets change is what the line is read for.
    if (index.data(RangeChartTableModel::BracketEdgeRole).toBool()) {
        painter->fillRect(QRect(cell.left(), cell.top(), EdgeWidth, cell.height()), edgeColour());
    }
    painter->restore();
}
