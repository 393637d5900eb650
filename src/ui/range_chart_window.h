#pragma once

#include "tohit/range_chart.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class RangeChartTableModel;
class SheetWindow;

// A sheet's range chart in a window of its own: the grid with its legend, or the one line
// that says what the chart still lacks, and the buttons that copy it or save it as a picture.
// It is worked out again after every user action on its sheet and closes with the sheet.
class RangeChartWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* TitlePrefix = "Range Chart - ";

    explicit RangeChartWindow(SheetWindow& sheet);
    ~RangeChartWindow() override;

    const RangeChart& chart() const { return chart_; }
    QTableView* table() const { return table_; }
    // The grid and its legend as a PNG picture at the path; false when it cannot be written.
    bool savePicture(const QString& path);

private:
    void refresh();
    void copyToClipboard();
    void choosePictureFile();
    QWidget* buildChartArea();
    QWidget* buildLegend();
    QWidget* buildButtons();
    void sizeColumns();

    SheetWindow& sheet_;
    RangeChart chart_;
    RangeChartTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QWidget* chartArea_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
};
