// The range chart window of a sheet: opened from the sheet's menu, following every change on
// the sheet and its zoom, read by a screen reader as a table, copied and saved as a picture;
// and its look against its reviewed reference picture.

#include "support/fresh_sheet.h"
#include "support/window_test.h"
#include "ui/program_look.h"
#include "ui/range_chart_table_model.h"
#include "ui/range_chart_window.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class RangeChartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyProgramLook(*qApp);
        QAccessible::setActive(true);
    }
    void init() {
        w_ = std::make_unique<FakeSheetWindow>(true);
        QVERIFY(showActive(w_->window));
    }
    void cleanup() { w_.reset(); }

    // Ctrl+R opens the sheet's one chart, and again only raises it; its title follows the
    // sheet's. Until a skill is chosen it says so, without a message box, and offers nothing
    // to copy or save.
    void opensOnceAndSaysWhatIsMissing() {
        QTest::keyClick(&w_->window, Qt::Key_R, Qt::ControlModifier);
        QPointer<RangeChartWindow> chart = w_->window.rangeChart();
        QVERIFY(chart != nullptr && chart->isVisible());
        QCOMPARE(chart->windowTitle(), QString("Range Chart - Vexolan"));
        QCOMPARE(notice()->text(),
                 QString("Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."));
        QVERIFY(!chart->table()->isVisible());
        QVERIFY(!findIn(*chart, "rangeChartCopy")->isEnabled());
        QVERIFY(!findIn(*chart, "rangeChartSave")->isEnabled());
        QTest::keyClicks(findIn(w_->window, "pilotName"), "Kai");
        QCOMPARE(chart->windowTitle(), QString("Range Chart - Kai:"));
        w_->window.activateWindow();
        QTest::keyClick(&w_->window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w_->window.findChildren<RangeChartWindow*>().size(), 1);
        QCOMPARE(w_->window.rangeChart(), chart.data());
        act(model(), "gunSkill=4 rangeSlider=3");
        w_->window.refresh();
        QCOMPARE(notice()->text(), QString(RangeChart::NoWeaponNotice));
        QVERIFY(w_->fake.messageBox.shown.empty());
        w_->window.close();
        QTRY_VERIFY(chart.isNull());
    }

    // Each user action on the sheet changes the chart at once, the sheet's own to-hit field
    // only on Calculate, repainting the cells it changed. It reads as a table and copies.
    void followsItsSheet() {
        RangeChartWindow* chart = openChart("gunSkill=4 doneButton weapName(0)=MLaser "
                                            "weapLoc(0)=RA rangeSlider=5 fireCheck(0) "
                                            "calculateButton");
        QVERIFY(chart->table()->isVisible());
        QVERIFY(notice()->isHidden());
        QCOMPARE(cell(0, 4), QString("6, 26/36 (72.2%)"));
        QSignalSpy repaints(chart->table()->model(), &QAbstractItemModel::dataChanged);
        click(findIn<QRadioButton>(w_->window, "walkedOption"));
        QVERIFY(!repaints.isEmpty()); // the view is told, so that no cell shows a stale number
        QCOMPARE(cell(0, 4), QString("7, 21/36 (58.3%)"));
        QCOMPARE(model().toHit[0].text(), "6");
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(chart->table())->tableInterface();
        QCOMPARE(table->rowDescription(0), QString("1 MLaser RA"));
        QCOMPARE(table->columnDescription(0), QString("1"));
        QCOMPARE(cell(1, 4), QString("2.9 expected damage"));
        QAbstractItemModel* grid = chart->table()->model();
        QCOMPARE(grid->headerData(1, Qt::Vertical).toString(), QString("Expected damage"));
        QVERIFY(!grid->headerData(grid->rowCount(), Qt::Vertical).isValid());
        QCOMPARE(grid->headerData(0, Qt::Horizontal, Qt::ToolTipRole), QVariant("Range 1 hex"));
        QCOMPARE(grid->headerData(4, Qt::Horizontal, Qt::ToolTipRole),
                 QVariant("Range 5 hexes, where the slider stands"));
        const QModelIndex laser = grid->index(0, 4);
        QCOMPARE(laser.data(Qt::ToolTipRole).toString(),
                 qt(chart->chart().lines()[0].cells[4].toolTip));
        QCOMPARE(laser.data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor::fromRgb(chart::bandColour(ChanceBand::Even)));
        QVERIFY(laser.data(RangeChartTableModel::PresentRangeRole).toBool());
        // The slider's next hex repaints the two columns of the present range, line by line.
        repaints.clear();
        act(model(), "rangeSlider=6");
        w_->window.refresh();
        QCOMPARE(repaints.size(), 2);
        for (const QList<QVariant>& repaint : repaints) {
            QCOMPARE(repaint[0].toModelIndex().column(), 4);
            QCOMPARE(repaint[1].toModelIndex().column(), 5);
        }
        findIn(*chart, "rangeChartCopy")->setFocus();
        QTest::keyClick(findIn(*chart, "rangeChartCopy"), Qt::Key_Return);
        QCOMPARE(w_->fake.clipboard.text.value_or(""), chart->chart().tabSeparated());
    }

    // The View menu's zoom keys work in the chart and zoom its sheet; the chart follows: its
    // text, its lines and its legend grow. Save Picture asks for a file through the sheet's
    // dialog and writes the grid as a PNG, with room above it for a line of the window's title
    // and the margin that stands round the whole above the title and between it and the grid; a
    // folder that cannot be written is named with why (the file store's reasons are its own
    // test's), and a clipboard that refuses leaves everything as it was.
    void zoomsWithItsSheetAndSavesItsPictureOrSaysWhyNot() {
        RangeChartWindow* chart = openChart("gunSkill=4 weapName(0)=MLaser rangeSlider=5");
        const QSize actual = chart->sizeHint();
        const int line = chart->table()->verticalHeader()->defaultSectionSize();
        QVERIFY(showActive(*chart));
        QTest::keyClick(chart, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(chart, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(model().zoom, 150);
        QCOMPARE(chart->font().pixelSize(), sheetFont(150).pixelSize());
        QVERIFY(chart->table()->verticalHeader()->defaultSectionSize() > line * 5 / 4);
        QVERIFY(chart->sizeHint().width() > actual.width() * 5 / 4);
        QTest::keyClick(chart, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(model().zoom, 100);
        QCOMPARE(chart->table()->verticalHeader()->defaultSectionSize(), line);
        w_->fake.fileDialog.toSave = dir_.filePath("chart").toStdString();
        QTest::keySequence(chart, QKeySequence::Save);
        const QImage picture(dir_.filePath("chart.png"));
        const QSize area = chart->table()->parentWidget()->size();
        const int margin = (picture.width() - area.width()) / 2;
        QVERIFY(margin > 0);
        QVERIFY(picture.height() - area.height() - margin >=
                chart->fontMetrics().height() + 2 * margin);
        QCOMPARE(w_->fake.fileDialog.suggested.size(), std::size_t{1});
        QVERIFY(w_->fake.fileDialog.suggested[0].ends_with("range-chart.png"));
        w_->fake.fileDialog.toSave = dir_.filePath("missing/chart.png").toStdString();
        click(findIn<QPushButton>(*chart, "rangeChartSave"));
        QCOMPARE(w_->fake.messageBox.shown,
                 std::vector<std::string>{"Cannot save the picture to \"" +
                                          w_->fake.fileDialog.toSave + "\":\n" +
                                          qt_error_string(ENOENT).toStdString()});
        w_->fake.clipboard.throwing = true;
        QTest::keySequence(chart, QKeySequence::Copy);
        QCOMPARE(w_->fake.clipboard.calls, 1);
        QCOMPARE(w_->fake.messageBox.shown.size(), std::size_t{1}); // the picture's alone
    }

    // A milder attack, so that it shows every colour, with its bracket edges, the present range,
    // the expected damage and the legend.
    void picture() {
        RangeChartWindow* chart =
            openChart("gunSkill=4 doneButton weapName(0)=MLaser weapName(1)=LRM20 weapLoc(1)=LA "
                      "weapName(2)=PPC weapLoc(2)=LT weapName(3)=MPLaser weapName(4)=UltraAC20 "
                      "weapLoc(4)=CT rangeSlider=5 walkedOption targetMoved3to4Option fireCheck(0) "
                      "fireCheck(2) fireCheck(3)");
        compareWithReference(*chart, "range-chart");
    }

private:
    CombatSheet& model() { return w_->window.sheet(); }
    QLabel* notice() const { return findIn<QLabel>(*w_->window.rangeChart(), "rangeChartNotice"); }
    // The chart of the sheet once the script has been acted out on it, shown; the test stops
    // when there is none.
    RangeChartWindow* openChart(const std::string& script) {
        act(model(), script + " mnuRangeChart");
        RangeChartWindow* chart = w_->window.rangeChart();
        if (chart == nullptr || !QTest::qWaitForWindowExposed(chart)) {
            qFatal("the range chart is not shown");
        }
        return chart;
    }
    // What a screen reader says of a cell.
    QString cell(int row, int column) const {
        QAccessibleInterface* table =
            QAccessible::queryAccessibleInterface(w_->window.rangeChart()->table());
        return table->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
    }

    std::unique_ptr<FakeSheetWindow> w_;
    QTemporaryDir dir_;
};

QTEST_MAIN(RangeChartWindowTest)
#include "range_chart_window_test.moc"
