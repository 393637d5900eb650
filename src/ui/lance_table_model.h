#pragma once

#include "layout/lance_scene.h"

#include <QAbstractTableModel>

// The lance's scene as a table for a view: a row per open sheet under the scene's headings. Each
// row's Mech cell tells a screen reader the whole line; a stale sheet's Results cell has the
// sheet's stale look. Told of a change, it tells its view which rows changed.
class LanceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LanceTableModel(const LanceScene& scene, QObject* parent = nullptr);

    // To be called with what the scene's update() told.
    void sceneChanged(const LanceScene::Changes& changes);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const LanceScene& scene_;
    int rows_ = 0;
};
