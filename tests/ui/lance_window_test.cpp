// The lance on the desktop through its real windows on the offscreen platform: the lance view
// following two sheet windows, Next Turn and its undo from a sheet's menu, the lance's
// declaration on the real clipboard, and a lance file saved and opened through the dialogs.

#include "layout/lance_scene.h"
#include "support/fresh_sheet.h"
#include "support/window_test.h"
#include "ui/lance_window.h"
#include "ui/program.h"
#include "ui/program_look.h"
#include "ui/sheet_style.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Two attacks as a player makes them: names, weapons, range, results and a declaration.
const std::vector<std::string> Attacks = {
    "pilotName=Ilsa_Marrow mechName=Quillfen_QF-2 gunSkill=4 doneButton rangeSlider=5 "
    "weapName(0)=MLaser weapLoc(0)=RA fireCheck(0) leftShoulderBox targetJumpedBox calculateButton "
    "declareButton",
    "pilotName=Tovin_Reyle mechName=Brannoch_BR-5 gunSkill=3 doneButton rangeSlider=2 "
    "weapName(0)=SRM6 weapLoc(0)=CT selectAllBox sensorsBox targetJumpedBox calculateButton "
    "declareButton",
};

} // namespace

class LanceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        program_ = std::make_unique<Program>(*qApp);
        QAccessible::setActive(true);
    }
    void init() {
        for (const std::string& attack : Attacks) {
            windows_.push_back(program_->openSheet());
            act(windows_.back()->sheet(), attack);
            windows_.back()->refresh();
        }
    }
    // Sheets with changes of their own would ask before closing: they go without a word.
    void cleanup() {
        deleteSheets();
        windows_.clear();
        delete program_->lance().view();
    }

    // Every line shows its sheet as the scene reads it, spoken whole from its Mech cell, and
    // follows a change typed on either window; a stale sheet's results cell looks stale.
    void theViewFollowsEverySheet() {
        LanceWindow& view = openView();
        QTest::keyClicks(findIn<QLineEdit>(*windows_[1], "pilotName"), "x");
        act(windows_[0]->sheet(), "rangeSlider=3");
        windows_[0]->refresh();
        QCOMPARE(model(view).rowCount(), 2);
        for (int row = 0; row < 2; ++row) {
            const LanceScene::Line line =
                LanceScene::lineOf(windows_[static_cast<std::size_t>(row)]->sheet(), 1);
            for (int column = 0; column < model(view).columnCount(); ++column) {
                QCOMPARE(cell(view, row, column), qt(line.cells.at(column)));
            }
            QCOMPARE(cell(view, row, LanceScene::Mech, Qt::AccessibleTextRole),
                     qt(view.scene().spoken(static_cast<std::size_t>(row))));
            QCOMPARE(model(view).index(row, LanceScene::Results).data(Qt::BackgroundRole),
                     row == 0 ? QVariant(StaleBase) : QVariant());
        }
    }

    // A closed window's line goes with it at once, not when the window is deleted later.
    void aClosedWindowLeavesTheLance() {
        LanceWindow& view = openView();
        SheetWindow* fresh = program_->openSheet();
        QCOMPARE(model(view).rowCount(), 3);
        QVERIFY(fresh->close());
        QCOMPARE(model(view).rowCount(), 2);
    }

    // Enter on a line brings its sheet's window to the front, whichever was there before.
    void enterOnALineBringsItsSheetForward() {
        LanceWindow& view = openView();
        for (const int row : {1, 0}) {
            QVERIFY(showActive(view));
            view.table()->setCurrentIndex(model(view).index(row, LanceScene::Damage));
            QTest::keyClick(view.table(), Qt::Key_Return);
            QTRY_COMPARE(QApplication::activeWindow(), windows_[static_cast<std::size_t>(row)]);
        }
    }

    // Next Turn from one sheet's menu clears every window; its undo brings every one back, and
    // the view with them.
    void nextTurnAndItsUndoReachEveryWindow() {
        LanceWindow& view = openView();
        menuEntry(*windows_[1], "&Next Turn")->trigger();
        QVERIFY(std::ranges::none_of(windows_, fired));
        QCOMPARE(cell(view, 0, LanceScene::Turn), QString("2"));
        QVERIFY(menuEntry(*windows_[0], "&Undo Next Turn")->isEnabled());
        auto* undoButton = findIn<QPushButton>(view, "lanceUndo");
        QVERIFY(undoButton->isEnabled());
        menuEntry(*windows_[0], "&Undo Next Turn")->trigger();
        QVERIFY(std::ranges::all_of(windows_, fired));
        QCOMPARE(cell(view, 0, LanceScene::Turn), QString("1"));
        QVERIFY(!menuEntry(*windows_[1], "&Undo Next Turn")->isEnabled());
        QVERIFY(!undoButton->isEnabled());
    }

    // The view's Copy button puts a line per declared sheet on the system's clipboard.
    void theLanceDeclarationReachesTheClipboard() {
        QGuiApplication::clipboard()->clear();
        click(findIn<QPushButton>(openView(), "lanceCopy"));
        QCOMPARE(QGuiApplication::clipboard()->text(), qt(program_->lance().lance().declaration()));
        QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 1);
    }

    // Saved through the dialog, the lance opens again through the dialog on a fresh sheet as
    // the same Mechs, the first on the sheet it was opened from.
    void aLanceFileOpensAsItWasSaved() {
        const QTemporaryDir folder;
        const QString path = folder.filePath("night raid.vexlance");
        QStringList filters;
        const auto choose = answerModals<QFileDialog>([&](QFileDialog* dialog) {
            filters << dialog->nameFilters().front();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        menuEntry(*windows_[0], "Sa&ve Lance As...")->trigger();
        QVERIFY(QFileInfo::exists(path));
        cleanup();
        SheetWindow* fresh = program_->openSheet();
        QVERIFY(showActive(*fresh));
        menuEntry(*fresh, "Open &Lance...")->trigger();
        const Lance& lance = program_->lance().lance();
        QCOMPARE(lance.size(), std::size_t{2});
        QCOMPARE(&lance.sheet(0), &fresh->sheet());
        QCOMPARE(QStringList({qt(lance.sheet(0).title()), qt(lance.sheet(1).title())}),
                 QStringList({"Ilsa Marrow:Quillfen QF-2", "Tovin Reyle:Brannoch BR-5"}));
        QCOMPARE(filters, QStringList(2, "Vexolan lance (*.vexlance)"));
    }

private:
    LanceWindow& openView() {
        menuEntry(*windows_[0], "&Lance")->trigger();
        LanceWindow* view = program_->lance().view();
        if (view == nullptr) {
            qFatal("no lance view");
        }
        return *view;
    }
    static const QAbstractItemModel& model(const LanceWindow& view) {
        return *view.table()->model();
    }
    static QString cell(const LanceWindow& view, int row, int column, int role = Qt::DisplayRole) {
        return model(view).index(row, column).data(role).toString();
    }
    // A box of the turn's situation, which Next Turn clears.
    static bool fired(const SheetWindow* window) {
        return findIn<QCheckBox>(*window, "targetJumpedBox")->isChecked();
    }
    // The entry of that caption in the window's menus.
    static QAction* menuEntry(SheetWindow& window, const QString& caption) {
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->text() == caption) {
                    return action;
                }
            }
        }
        qFatal("no menu entry %s", qPrintable(caption));
    }

    std::unique_ptr<Program> program_;
    std::vector<SheetWindow*> windows_;
};

QTEST_MAIN(LanceWindowTest)
#include "lance_window_test.moc"
