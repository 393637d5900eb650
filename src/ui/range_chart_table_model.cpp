#include "ui/range_chart_table_model.h"

#include "layout/range_chart_look.h"

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

QString damageLineTip() {
    return QString::fromUtf8(chart::DamageLineTip);
}

} // namespace

RangeChartTableModel::RangeChartTableModel(const RangeChart& chart, QObject* parent)
    : QAbstractTableModel(parent), chart_(chart) {}

// A change that keeps the number of lines keeps the view's place in them too, so that someone
// walking the table cell by cell is not sent back to its start by each change on the sheet.
void RangeChartTableModel::chartChanged() {
    Shown now = shownOf(chart_);
    if (now.lines.size() != shown_.lines.size()) {
        beginResetModel();
        shown_ = std::move(now);
        endResetModel();
        return;
    }
    std::swap(shown_, now);
    announceChanges(now);
}

RangeChartTableModel::Shown RangeChartTableModel::shownOf(const RangeChart& chart) const {
    Shown shown{chart.lines(), {}, chart.presentRange()};
    for (int range = 1; range <= rules::LongestRange && !shown.lines.empty(); ++range) {
        shown.damage.push_back(chart.expectedDamageAt(range));
    }
    return shown;
}

// Each line's changed cells, from the first to the last, and the headings that changed: a view
// repaints what it is told of, and a change on the sheet seldom touches every cell.
void RangeChartTableModel::announceChanges(const Shown& before) {
    const int lines = static_cast<int>(shown_.lines.size());
    const bool moved = before.presentRange != shown_.presentRange;
    for (int row = 0; row <= lines && lines > 0; ++row) {
        int first = rules::LongestRange, last = -1;
        for (int column = 0; column < rules::LongestRange; ++column) {
            const bool present =
                column + 1 == before.presentRange || column + 1 == shown_.presentRange;
            const bool changed =
                row == lines
                    ? before.damage[column] != shown_.damage[column]
                    : !(before.lines[row].cells[column] == shown_.lines[row].cells[column]);
            if (changed || (moved && present)) {
                first = std::min(first, column);
                last = column;
            }
        }
        if (last >= 0) {
            emit dataChanged(index(row, first), index(row, last));
        }
        if (row < lines && before.lines[row].label != shown_.lines[row].label) {
            emit headerDataChanged(Qt::Vertical, row, row);
        }
    }
    if (moved) {
        emit headerDataChanged(Qt::Horizontal, 0, rules::LongestRange - 1);
    }
}

int RangeChartTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || shown_.lines.empty() ? 0 : static_cast<int>(shown_.lines.size()) + 1;
}

int RangeChartTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rules::LongestRange;
}

bool RangeChartTableModel::isDamageLine(int row) const {
    return row == static_cast<int>(shown_.lines.size());
}

QVariant RangeChartTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int range = index.column() + 1;
    if (role == PresentRangeRole) {
        return range == shown_.presentRange;
    }
    if (role == Qt::TextAlignmentRole) {
        return Qt::AlignCenter;
    }
    return isDamageLine(index.row()) ? damageData(range, role) : weaponData(index, role);
}

QVariant RangeChartTableModel::weaponData(const QModelIndex& index, int role) const {
    const RangeChart::Cell& cell = shown_.lines[index.row()].cells[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return qt(cell.text);
    case Qt::ToolTipRole:
        return qt(cell.toolTip);
    case Qt::AccessibleTextRole:
        return qt(cell.spokenText());
    case Qt::BackgroundRole:
        return cell.outOfRange ? outOfRangeBrush() : QBrush(bandColour(cell.band()));
    case Qt::ForegroundRole:
        return cell.outOfRange ? QVariant() : QBrush(bandTextColour(cell.band()));
    case Qt::FontRole:
        return index.column() + 1 == shown_.presentRange ? boldFont() : QVariant();
    case BracketEdgeRole:
        return cell.bracketEdge;
    default:
        return {};
    }
}

QVariant RangeChartTableModel::damageData(int range, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        return qt(shown_.damage[range - 1]);
    case Qt::AccessibleTextRole:
        return qt(shown_.damage[range - 1]) + " " + qt(RangeChart::ExpectedDamageHeading).toLower();
    case Qt::ToolTipRole:
        return damageLineTip();
    case Qt::BackgroundRole:
        return QBrush(QColor::fromRgb(chart::DamageLineColour));
    case Qt::FontRole:
        return range == shown_.presentRange ? boldFont() : QVariant();
    case BracketEdgeRole:
        return false;
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
    const bool present = range == shown_.presentRange;
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
    const bool damage = isDamageLine(row);
    switch (role) {
    case Qt::DisplayRole:
        return damage ? qt(RangeChart::ExpectedDamageHeading) : qt(shown_.lines[row].label);
    case Qt::ToolTipRole:
        return damage ? QVariant(damageLineTip()) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QColor RangeChartTableModel::bandColour(ChanceBand band) {
    return QColor::fromRgb(chart::bandColour(band));
}

QColor RangeChartTableModel::bandTextColour(ChanceBand band) {
    return QColor::fromRgb(chart::bandTextColour(band));
}

QBrush RangeChartTableModel::outOfRangeBrush() {
    return QBrush(QColor::fromRgb(chart::OutOfRangeHatch), Qt::BDiagPattern);
}
