#include "ui/lance_table_model.h"

#include "ui/sheet_style.h"

LanceTableModel::LanceTableModel(const LanceScene& scene, QObject* parent)
    : QAbstractTableModel(parent), scene_(scene) {}

void LanceTableModel::sceneChanged(const LanceScene::Changes& changes) {
    if (changes.countChanged) {
        beginResetModel();
        rows_ = static_cast<int>(scene_.size());
        endResetModel();
        return;
    }
    for (const std::size_t line : changes.lines) {
        const int row = static_cast<int>(line);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

int LanceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int LanceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(LanceScene::Headings.size());
}

QVariant LanceTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    const LanceScene::Line& line = scene_.line(row);
    const bool stale = column == LanceScene::Results && line.results == ResultsAge::Age::Stale;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdString(line.cells.at(column));
    case Qt::AccessibleTextRole:
        return QString::fromStdString(column == LanceScene::Mech ? scene_.spoken(row)
                                                                 : line.cells.at(column));
    case Qt::ForegroundRole:
        return stale ? QVariant(StaleText) : QVariant();
    case Qt::BackgroundRole:
        return stale ? QVariant(StaleBase) : QVariant();
    default:
        return {};
    }
}

QVariant LanceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return QString::fromUtf8(
        LanceScene::Headings.at(static_cast<std::size_t>(section)).data(),
        static_cast<qsizetype>(LanceScene::Headings.at(static_cast<std::size_t>(section)).size()));
}
