// The range chart window beside its sheet on the offscreen platform: one per sheet, following
// every user action, the notice in place of the grid, the table a screen reader walks, Copy
// and the picture.

#include "support/fake_platform.h"
#include "support/sheet_fixture.h"
#include "ui/program.h"
#include "ui/range_chart_table_model.h"
#include "ui/range_chart_window.h"
#include "ui/sheet_window.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class RangeChartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        program_ = std::make_unique<Program>(*qApp);
        QAccessible::setActive(true);
    }

    // Ctrl+R opens the chart, again only raises it; its title follows the sheet's, and it
    // goes with its sheet.
    void oneChartPerSheetThatClosesWithIt() {
        SheetWindow sheet(shared_, {&fake_.messageBox, nullptr});
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        QTest::keyClick(&sheet, Qt::Key_R, Qt::ControlModifier);
        QPointer<RangeChartWindow> chart = sheet.rangeChart();
        QVERIFY(chart != nullptr && chart->isVisible());
        QCOMPARE(chart->windowTitle(), QString("Range Chart - Vexolan"));
        QTest::keyClicks(sheet.findChild<QWidget*>("pilotName"), "Kai");
        QCOMPARE(chart->windowTitle(), QString("Range Chart - Kai:"));
        sheet.activateWindow();
        QTest::keyClick(&sheet, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(sheet.findChildren<RangeChartWindow*>().size(), 1);
        QCOMPARE(sheet.rangeChart(), chart.data());
        sheet.close();
        QTRY_VERIFY(chart.isNull());
    }

    // Until a skill is chosen the chart says so, without a message box. Then each user action
    // on the sheet changes the chart at once, the sheet's own to-hit field only on Calculate.
    void followsTheSheetAndReadsAsATable() {
        SheetWindow sheet(shared_, {&fake_.messageBox, &fake_.windows});
        sheet.show();
        sheet.showRangeChart();
        RangeChartWindow& chart = *sheet.rangeChart();
        auto* notice = chart.findChild<QLabel*>("rangeChartNotice");
        QCOMPARE(notice->text(), QString("Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."));
        QVERIFY(!chart.table()->isVisible() && !button(chart, "rangeChartCopy")->isEnabled());
        act(sheet.sheet(), "gunSkill=4 Command5 weapName(0)=MLaser weapLoc(0)=RA Slider1=5 "
                           "fireCheck(0) Command1");
        emit sheet.sheetRefreshed();
        QVERIFY(chart.table()->isVisible() && notice->isHidden());
        QCOMPARE(cell(chart, 0, 4), QString("6, 26/36 (72.2%)"));
        QTest::mouseClick(sheet.findChild<QRadioButton*>("aMove2"), Qt::LeftButton, {},
                          QPoint(6, 6));
        QCOMPARE(cell(chart, 0, 4), QString("7, 21/36 (58.3%)"));
        QCOMPARE(sheet.sheet().toHit[0].text(), "6");
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(chart.table())->tableInterface();
        QCOMPARE(table->rowDescription(0) + "|" + table->columnDescription(0),
                 QString("1 MLaser RA|1"));
        QCOMPARE(cell(chart, 1, 4), QString("2.9 expected damage"));
        const QModelIndex laser = chart.table()->model()->index(0, 4);
        QCOMPARE(laser.data(Qt::ToolTipRole).toString(),
                 QString::fromStdString(chart.chart().lines()[0].cells[4].toolTip));
        QCOMPARE(laser.data(Qt::BackgroundRole).value<QBrush>().color(),
                 RangeChartTableModel::bandColour(ChanceBand::Even));
        QCOMPARE(laser.data(RangeChartTableModel::PresentRangeRole).toBool(), true);
        button(chart, "rangeChartCopy")->click();
        QCOMPARE(fake_.clipboard.text.value_or(""), chart.chart().tabSeparated());
        QTemporaryDir folder;
        QVERIFY(chart.savePicture(folder.filePath("chart.png")));
        const QImage picture(folder.filePath("chart.png"));
        QVERIFY(picture.width() > chart.table()->width() &&
                picture.height() > chart.table()->height());
        QVERIFY(fake_.messageBox.shown.empty());
    }

private:
    static QPushButton* button(RangeChartWindow& chart, const char* name) {
        return chart.findChild<QPushButton*>(name);
    }
    // What a screen reader says of the cell.
    static QString cell(RangeChartWindow& chart, int row, int column) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart.table());
        return table->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
    }

    FakePlatform fake_;
    SharedServices shared_{fake_.clipboard, fake_.registry, fake_.launcher,
                           fake_.files,     fake_.help,     fake_.fileStore};
    std::unique_ptr<Program> program_;
};

QTEST_MAIN(RangeChartWindowTest)
#include "range_chart_window_test.moc"
