#pragma once

#include "layout/range_chart_scene.h"
#include "platform/platform_services.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class CombatSheet;
class QLabel;
class QPixmap;
class QPushButton;
class QTableView;
class RangeChartTableModel;

// A sheet's range chart in a window of its own, drawn from its scene: the grid with its legend, or
// the one line that says what the chart still lacks, and the buttons that copy it or save it as a
// picture, through the services of the sheet. Whoever shows the sheet calls refresh() after every
// change on it; the chart follows the sheet's zoom.
class RangeChartWindow : public QWidget {
    Q_OBJECT
public:
    RangeChartWindow(const CombatSheet& sheet, platform::PlatformServices& services,
                     QWidget* parent);
    ~RangeChartWindow() override;

    const RangeChart& chart() const { return scene_.chart(); }
    QTableView* table() const { return table_; }
    // Works the chart out again from the sheet as it stands, at the sheet's zoom.
    void refresh();

private:
    void copyToClipboard();
    void choosePictureFile();
    // The grid and its legend under the window's title, and as the bytes of a PNG file.
    QPixmap picture() const;
    std::string pictureBytes() const;
    QWidget* buildChartArea();
    QWidget* buildLegend();
    QWidget* buildButtons();
    void sizeColumns();
    void showZoom();

    const CombatSheet& sheet_;
    platform::PlatformServices& services_;
    RangeChartScene scene_;
    RangeChartTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QWidget* chartArea_ = nullptr;
    QLabel* notice_ = nullptr;
    std::vector<QLabel*> swatches_;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    int zoom_ = 0;
};
