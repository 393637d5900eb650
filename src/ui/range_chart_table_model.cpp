#include "ui/range_chart_table_model.h"

#include <QBrush>
#include <QFont>

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QFont boldFont() {
    QFont font;
    font.setBold(true);
    return font;
}

} // namespace

RangeChartTableModel::RangeChartTableModel(const RangeChartScene& scene, QObject* parent)
    : QAbstractTableModel(parent), scene_(scene) {}

// A change that keeps the number of lines keeps the view's place in them too, so that someone
// walking the table cell by cell is not sent back to its start by each change on the sheet.
// Each line's changed cells are told from the first to the last.
void RangeChartTableModel::sceneChanged(const RangeChartScene::Changes& changes) {
    if (changes.whole) {
        beginResetModel();
        endResetModel();
        return;
    }
    for (std::size_t at = 0; at < changes.cells.size();) {
        const int row = changes.cells[at].first;
        const int first = changes.cells[at].second;
        int last = first;
        for (; at < changes.cells.size() && changes.cells[at].first == row; ++at) {
            last = changes.cells[at].second;
        }
        emit dataChanged(index(row, first), index(row, last));
    }
    for (int row : changes.headings) {
        emit headerDataChanged(Qt::Vertical, row, row);
    }
    if (changes.presentMoved) {
        emit headerDataChanged(Qt::Horizontal, 0, rules::LongestRange - 1);
    }
}

int RangeChartTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(scene_.lines().size());
}

int RangeChartTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rules::LongestRange;
}

QVariant RangeChartTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const RangeChartScene::Cell& cell = scene_.lines()[index.row()].cells[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return qt(cell.text);
    case Qt::ToolTipRole:
        return qt(cell.toolTip);
    case Qt::AccessibleTextRole:
        return qt(cell.spoken);
    case Qt::BackgroundRole:
        return brushOf(cell.background, cell.outOfRange);
    case Qt::ForegroundRole:
        return QBrush(QColor::fromRgb(cell.foreground));
    case Qt::FontRole:
        return cell.present ? boldFont() : QVariant();
    case Qt::TextAlignmentRole:
        return Qt::AlignCenter;
    case BracketEdgeRole:
        return cell.bracketEdge;
    case PresentRangeRole:
        return cell.present;
    default:
        return {};
    }
}

QVariant RangeChartTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    return orientation == Qt::Horizontal ? rangeHeading(section + 1, role)
                                         : lineHeading(section, role);
}

QVariant RangeChartTableModel::rangeHeading(int range, int role) const {
    const bool present = range == scene_.presentRange();
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(range);
    case Qt::ToolTipRole:
        return QString("Range %1 %2").arg(range).arg(range == 1 ? "hex" : "hexes") +
               (present ? ", where the slider stands" : "");
    case Qt::FontRole:
        return present ? boldFont() : QVariant();
    case PresentRangeRole:
        return present;
    default:
        return {};
    }
}

QVariant RangeChartTableModel::lineHeading(int row, int role) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const RangeChartScene::Line& line = scene_.lines()[row];
    switch (role) {
    case Qt::DisplayRole:
        return qt(line.heading);
    case Qt::ToolTipRole:
        return line.headingTip.empty() ? QVariant() : QVariant(qt(line.headingTip));
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QBrush RangeChartTableModel::brushOf(chart::Rgb colour, bool outOfRange) {
    return QBrush(QColor::fromRgb(colour), outOfRange ? Qt::BDiagPattern : Qt::SolidPattern);
}
