// The sheet window through its real widgets on the offscreen platform: the binding to the
// model, several windows side by side, the menus, the keyboard and the screen reader; the About
// box, the help window and starting a program; and the
// look of the setup panel, the sheet, its range chart and the About box against reviewed
// reference pictures (tests/ui/reference/*.png), rendered with the fonts the set-up installs. A
// changed look fails until its picture is consciously renewed:
//   VEXOLAN_RENEW_PICTURES=1 build/bin/sheet_window_test
// A failing run leaves what it drew beside the test program, as <name>.actual.png.

#include "mechfile/mech_file.h"
#include "support/sheet_fixture.h"
#include "ui/about_dialog.h"
#include "ui/caption_fit.h"
#include "ui/help_window.h"
#include "ui/program.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_file_store.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_message_box.h"
#include "ui/qt_program_launcher.h"
#include "ui/range_chart_table_model.h"
#include "ui/range_chart_window.h"
#include "ui/sheet_form.h"
#include "ui/sheet_layout.h"
#include "ui/sheet_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <map>

#include <sys/wait.h>

namespace {

// A sheet window on fake services, but for real files: no real message box, file dialog,
// clipboard or desktop. With the real opener, "&New Mech" opens real windows.
struct FakeSheetWindow {
    explicit FakeSheetWindow(bool realOpener = false)
        : shared{fake.clipboard, fake.registry, fake.launcher, fake.files, fake.help, files},
          window(shared,
                 {&fake.messageBox, realOpener ? nullptr : &fake.windows, &fake.fileDialog}) {}
    FakePlatform fake;
    QtFileStore files;
    SharedServices shared;
    SheetWindow window;
};

// A left click on a box's indicator, or in the middle of a push button.
void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QPushButton*>(button) ? button->rect().center()
                                                         : QPoint(6, button->height() / 2));
}

// Chooses an entry of a pick-only list with the arrow keys.
void pick(QComboBox* list, const QString& entry) {
    list->setFocus();
    for (int step = 0; step < list->count() && list->currentText() != entry; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentText(), entry);
}

void slideTo(QSlider* slider, int position) {
    for (int step = 0; step <= slider->maximum() && slider->value() != position; ++step) {
        QTest::keyClick(slider, slider->value() < position ? Qt::Key_Right : Qt::Key_Left);
    }
    QCOMPARE(slider->value(), position);
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Presses Tab from the start until the focus comes back to it; the names on the way.
QStringList tabCircle(QWidget* start) {
    start->setFocus(Qt::TabFocusReason);
    QStringList visited{start->objectName()};
    for (QWidget* focus = nullptr; focus != start && visited.size() < 400;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focus = QApplication::focusWidget();
        focus = focus->objectName().isEmpty() ? focus->parentWidget() : focus; // a list's line
        visited << focus->objectName();
    }
    visited.removeLast();
    return visited;
}

const std::string HelpFile = "c:\\Program Files\\Vexo\\Vexo.hlp";
constexpr int ForceFile = platform::HelpViewer::ForceFile;

int visibleHelpWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<HelpWindow*>(widget) != nullptr && widget->isVisible();
    }
    return count;
}

QString pageText(const QtHelpViewer& viewer) {
    return viewer.window()->browser()->toPlainText();
}

// Pixels whose colour differs by more than a trace of anti-aliasing; a moved caption or frame
// differs in dozens.
int differingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differing += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                             std::abs(p.blue() - q.blue()) >
                         24;
        }
    }
    return differing;
}

void compareWithReference(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->clearFocus(); // no blinking text cursor in the picture
    }
    const QImage drawn = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString reference = VEXOLAN_TEST_DATA "/ui/reference/" + name + ".png";
    if (qEnvironmentVariableIsSet("VEXOLAN_RENEW_PICTURES")) {
        QVERIFY(drawn.save(reference));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    const bool same = expected.size() == drawn.size() && differingPixels(expected, drawn) <= 4;
    if (!same) {
        drawn.save(QCoreApplication::applicationDirPath() + "/" + name + ".actual.png");
    }
    QVERIFY2(same, qPrintable(name + " differs from its reference picture"));
}

} // namespace

class SheetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        program_ = std::make_unique<Program>(*qApp);
        QAccessible::setActive(true); // the tree as an assistive technology gets it
    }
    void init() { open(false); }
    void cleanup() { w_.reset(); }

    // At every zoom, stepped up by the keyboard to twice the actual size and back: framed
    // fields, lists and buttons that share a container never cover one another, every caption
    // shows whole in a readable size, the client area grows with them, and resizing the window
    // moves nothing. New Mech opens an independent sheet at the zoom of the one it came from.
    void everyZoomFitsEveryCaption() {
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Equal, 100}, {Qt::Key_Plus, 125}, {Qt::Key_Plus, 150},  {Qt::Key_Equal, 175},
            {Qt::Key_Plus, 200},  {Qt::Key_Plus, 200}, {Qt::Key_Minus, 175}, {Qt::Key_0, 100}};
        for (const auto& [key, zoom] : steps) {
            if (zoom != 100 || key != Qt::Key_Equal) {
                QTest::keyClick(&w_->window, key, Qt::ControlModifier);
            }
            QCOMPARE(model().zoom, zoom);
            QCOMPARE(form()->size(),
                     QSize(qRound(11595 * zoom / 1500.0), qRound(8640 * zoom / 1500.0)));
            expectCaptionsFitAndNothingOverlaps(zoom);
            if (zoom == 200) { // the frames, marks and groups as they are drawn twice the size
                compareWithReference(*find("Setup"), "setup-panel-200");
            }
            // The menu bar and the option and check marks grow with the zoom too.
            QCOMPARE(w_->window.menuBar()->font(), find("Text13")->font());
            QCOMPARE(find("aMove1")->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth,
                                                          nullptr, find("aMove1")),
                     qRound(13 * zoom / 100.0));
        }
        QTest::keyClick(&w_->window, Qt::Key_Plus, Qt::ControlModifier);
        const QList<QRect> places = geometries();
        for (const QSize size : {QSize(1000, 700), QSize(400, 300)}) {
            w_->window.resize(size);
            QCOMPARE(geometries(), places);
        }
        open(true);
        QTest::keyClick(&w_->window, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&w_->window, Qt::Key_N, Qt::AltModifier);
        const auto others = takeOtherSheets();
        QCOMPARE(others.size(), std::size_t{1});
        QCOMPARE(others[0]->sheet().zoom, 125);
        QCOMPARE(others[0]->form().size(), form()->size());
        click(find<QCheckBox>("Check2")); // the sheets are independent
        QCOMPARE(others[0]->findChild<QCheckBox*>("Check2")->checkState(), Qt::Unchecked);
    }

    // Every control reaches a screen reader in the role of its kind, every field with a name
    // and the label that stands by it; the technology base is a group of its own, and the
    // arrow keys move the choice within a group, through the model. The keyboard reaches all.
    void screenReadersAndTheKeyboardReachEverything() {
        const std::map<sheet::ControlKind, QAccessible::Role> roles = {
            {sheet::ControlKind::Panel, QAccessible::Grouping},
            {sheet::ControlKind::TextBox, QAccessible::EditableText},
            {sheet::ControlKind::MultiLineBox, QAccessible::EditableText},
            {sheet::ControlKind::List, QAccessible::ComboBox},
            {sheet::ControlKind::CheckBox, QAccessible::CheckBox},
            {sheet::ControlKind::BareCheckBox, QAccessible::CheckBox},
            {sheet::ControlKind::OptionButton, QAccessible::RadioButton},
            {sheet::ControlKind::Button, QAccessible::Button},
            {sheet::ControlKind::Slider, QAccessible::Slider}};
        const auto& layout = sheet::sheetLayout();
        for (std::size_t place = 0; place < layout.size(); ++place) {
            QWidget* widget = w_->window.form().widgetAt(place);
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
            if (layout[place].control && roles.count(layout[place].kind)) {
                QVERIFY2(node->role() == roles.at(layout[place].kind),
                         qPrintable(widget->objectName()));
                QVERIFY2(!node->text(QAccessible::Name).isEmpty(),
                         qPrintable(widget->objectName()));
            }
            if (layout[place].labelFor && !isColumn(*layout[place].labelFor)) {
                auto* field = qobject_cast<QLabel*>(widget)->buddy();
                const auto labels =
                    QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label);
                QVERIFY2(
                    std::any_of(labels.begin(), labels.end(),
                                [&](const auto& label) { return label.first->object() == widget; }),
                    qPrintable(field->objectName()));
            }
        }
        // In both presentations Tab visits every control in sight once, from the first field
        // of the panel in front, the setup's fields in the order they are filled in; the
        // attacker panel under the setup is not on the way. Tab enters an option group at its
        // chosen button.
        for (const bool sheetShown : {false, true}) {
            if (sheetShown) {
                click(find<QPushButton>("Command5"));
            }
            QCOMPARE(find("minRange(2)")->accessibleName(), QString("Row 3 Min"));
            const QStringList circle = tabCircle(find(sheetShown ? "Slider1" : "mechName"));
            QSet<QString> focusable;
            for (QWidget* widget : form()->findChildren<QWidget*>()) {
                auto* option = qobject_cast<QRadioButton*>(widget);
                if (!widget->objectName().isEmpty() && widget->isVisible() && widget->isEnabled() &&
                    (widget->focusPolicy() & Qt::TabFocus) &&
                    (option == nullptr || option->isChecked())) {
                    focusable << widget->objectName();
                }
            }
            QCOMPARE(QSet<QString>(circle.begin(), circle.end()), focusable);
            QCOMPARE(focusable.size(), circle.size());
            QCOMPARE(circle.contains("aMove1"), sheetShown);
            const QStringList start = sheetShown ? QStringList{"Slider1", "aMove1", "aProne1"}
                                                 : QStringList{"mechName", "pilotName", "gunSkill",
                                                               "pilotSkill", "Option1"};
            QCOMPARE(circle.mid(0, start.size()), start);
            // The fire boxes make a column of their own after "Check to Declare"; the weapon
            // rows are visited row by row.
            QVERIFY(circle.join(' ').contains("Check1 fireCheck(0) fireCheck(1) fireCheck(2)") &&
                    circle.join(' ').contains("toHit(0) weapName(1) weapLoc(1)"));
        }
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(find("Option1"))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QString("Mech Type (Required)"));
        find("aMove1")->setFocus();
        QTest::keyClick(find("aMove1"), Qt::Key_Down);
        QTest::keyClick(find("aMove2"), Qt::Key_Down);
        QCOMPARE(model().situation.aMoveMod, 2);
        QVERIFY(find<QRadioButton>("aMove3")->isChecked() && find("aMove3")->hasFocus());
        QVERIFY(!find<QRadioButton>("aMove1")->isChecked());
    }

    void menusCarryTheirCaptionsAndMnemonics() {
        auto* help = find<QMenu>("Help");
        QStringList captions;
        for (QAction* entry : w_->window.menuBar()->actions() + find<QMenu>("File")->actions() +
                                  find<QMenu>("View")->actions() + help->actions()) {
            captions << (entry->text() + " " + entry->shortcut().toString()).trimmed();
        }
        QCOMPARE(captions.join(','),
                 QString("&File,&New Mech,&Edit Mech,&View,&Help,&Open Mech... Ctrl+O,&Save Mech "
                         "Ctrl+S,Save Mech &As... Ctrl+Shift+S,&Range Chart Ctrl+R,Zoom &In Ctrl++,"
                         "Zoom &Out Ctrl+-,&Actual Size Ctrl+0,&Contents,&About Vexolan"));
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+S"));
        QCOMPARE(w_->fake.fileDialog.suggested, std::vector<std::string>{"Mech.vexmech"});
        QTest::keyClick(&w_->window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(w_->fake.windows.sheetsOpened, 1);
        click(find<QPushButton>("Command5"));
        QTest::keyClick(&w_->window, Qt::Key_E, Qt::AltModifier);
        QVERIFY(find("Setup")->isVisible());
        QTest::keyClick(&w_->window, Qt::Key_Plus, Qt::ControlModifier);
        for (const Qt::Key entry : {Qt::Key_C, Qt::Key_A}) {
            QTest::keyClick(&w_->window, Qt::Key_H, Qt::AltModifier);
            QTRY_VERIFY(help->isVisible());
            QTest::keyClick(help, entry);
            QTRY_VERIFY(!help->isVisible());
        }
        QCOMPARE(w_->fake.help.requests.size(), std::size_t{1});
        QCOMPARE(w_->fake.help.scale, 125); // help shows at the zoom of the sheet it came from
        QCOMPARE(w_->fake.windows.aboutBoxesOpened, 1);
        QTest::keyClick(&w_->window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w_->fake.windows.rangeChartsOpened, 1);
    }

    // A whole attack by keyboard and mouse: the names make the title, exactly as typed and at
    // any length; the slider shows its
    // range and, at 1, an adjacent target; the model's rule for a click on a grayed box shows,
    // not the widget's own next state. Calculate writes the row with its explanation as a tip,
    // and the total heat; Declare, the user's edit and Copy reach the clipboard; Clear empties
    // the results on screen.
    void aWholeAttack() {
        QTest::keyClicks(find<QLineEdit>("pilotName"), "Kai[*]");
        QTest::keyClicks(find<QLineEdit>("mechName"), "Atlas");
        QCOMPARE(w_->window.windowHandle()->title(), QString("Kai[*]:Atlas")); // as typed
        find<QLineEdit>("mechName")->insert(QString(40000, 'M'));              // any length
        QCOMPARE(model().mechName.text().size(), std::size_t{40005});
        pick(find<QComboBox>("weapName(0)"), "MLaser");
        click(find<QPushButton>("Command1"));
        QCOMPARE(
            w_->fake.messageBox.shown,
            std::vector<std::string>{"Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."});
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        QCOMPARE(text("gunSkillText"), QString("4"));
        slideTo(find<QSlider>("Slider1"), 1);
        QCOMPARE(checkState("tAdjHex0"), Qt::Checked);
        click(find<QCheckBox>("dmgShoulder2"));
        click(find<QCheckBox>("dmgUpperAct2"));
        QCOMPARE(checkState("dmgUpperAct2"), Qt::Checked);
        slideTo(find<QSlider>("Slider1"), 5);
        QCOMPARE(text("range1") + QString::number(checkState("tAdjHex0")), QString("50"));
        for (const char* name : {"aMove2", "aHeat1", "tMove1", "fireCheck(0)", "Command1"}) {
            click(find<QAbstractButton>(name));
        }
        QCOMPARE(rowTexts(0) + " heat " + text("Text12"), QString("0|3|6|9|5|9 heat 3"));
        QCOMPARE(find("toHit(0)")->toolTip(),
                 QString("Gunnery 4, Medium range +2, Walked +1, Heat 8-12 +1, Target moved 3-4 "
                         "+1 = 9\nChance to hit 10/36 (27.8%)\nExpected damage 1.4"));
        QCOMPARE(find("Damage(0)")->toolTip(), QString("5"));
        click(find<QPushButton>("Command4"));
        auto* declaration = find<QPlainTextEdit>("Text13");
        declaration->moveCursor(QTextCursor::End);
        QTest::keyClicks(declaration, "!");
        click(find<QPushButton>("Command2"));
        QCOMPARE(w_->fake.clipboard.text, std::optional<std::string>("  MLaser@9!"));
        click(find<QPushButton>("Command3"));
        QCOMPARE(rowTexts(0) + text("Text12") + declaration->toPlainText() +
                     find("toHit(0)")->toolTip(),
                 QString("0|3|6|9|5|"));
        // A woods count typed and entered stays a count: the list gains no entry.
        QLineEdit* woods = find<QComboBox>("hexLW")->lineEdit();
        QTest::keyClick(woods, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(woods, "1.5");
        QTest::keyClick(woods, Qt::Key_Return);
        QCOMPARE(qt(model().hexLW.text()) + " " +
                     QString::number(find<QComboBox>("hexLW")->count()),
                 QString("1.5 4"));
    }

    // Refreshing the widgets raises no notification: the model sees only the user's actions,
    // and what a handler writes anywhere shows once the user's action is done.
    void refreshingNeverActsAsTheUser() {
        int titleChanges = 0;
        connect(&w_->window, &QWidget::windowTitleChanged, this, [&] { ++titleChanges; });
        QSignalSpy moves(find<QSlider>("Slider1"), &QSlider::valueChanged);
        click(find<QPushButton>("Command5"));
        slideTo(find<QSlider>("Slider1"), 3);
        click(find<QCheckBox>("dmgShoulder1"));
        click(find<QPushButton>("Command3"));
        model().Slider1.setPosition(9);
        model().weapLoc[3].setText("LA");
        model().Text13.setText("  Sword@5");
        model().hexLW.setText("2.5");
        model().Frame9.hide();
        click(find<QCheckBox>("Check3"));
        QCOMPARE(find<QSlider>("Slider1")->value(), 9);
        QCOMPARE(find<QComboBox>("weapLoc(3)")->currentText(), QString("LA"));
        QCOMPARE(find<QPlainTextEdit>("Text13")->toPlainText(), QString("  Sword@5"));
        QCOMPARE(find<QComboBox>("hexLW")->currentText(), QString("2.5"));
        QVERIFY(find("Frame9")->isHidden());
        QCOMPARE(moves.count(), 3);
        QCOMPARE(titleChanges, 0);
    }

    // The program ends when its last sheet closes, and not before, whatever else is open.
    void closingTheLastSheetEndsTheProgram() {
        QPointer<SheetWindow> second = program_->openSheet();
        QWidget notASheet; // such as the help window
        notASheet.show();
        bool runningAfterTheFirstClosed = false;
        QTimer::singleShot(0, &notASheet, [&] {
            second->close();
            QTimer::singleShot(50, &notASheet, [&] {
                runningAfterTheFirstClosed = true;
                w_->window.close();
            });
        });
        QTimer::singleShot(2000, &notASheet, [] { QCoreApplication::exit(-1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(runningAfterTheFirstClosed);
        QTRY_VERIFY(second.isNull());
    }

    // Real files: two chosen at once go on this untouched sheet and on a new one, Save writes
    // the file back byte for byte, 1 MiB is read and a byte more is not, and what cannot be
    // read or written is named with why.
    void realFilesThroughTheMenu() {
        open(true);
        const std::string folder = dir_.path().toStdString(), atlas = folder + "/atlas.vexmech";
        QVERIFY(QFile::copy(Example, qt(atlas)));
        for (const auto& [name, size] :
             {std::pair{"/limit", MechFileSizeLimit}, {"/big", MechFileSizeLimit + 1}}) {
            QFile file(qt(folder + name));
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(bytesOf(Example).leftJustified(qsizetype(size), '\n')) > 0);
        }
        w_->fake.fileDialog.toOpen = {atlas, atlas};
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+O"));
        QCOMPARE(find<QComboBox>("weapName(0)")->currentText(), QString("LB-10X AC"));
        QCOMPARE(newSheets(), QStringList{"Kai Allard:Atlas AS7-D"});
        QVERIFY(QFile::remove(qt(atlas)));
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+S"));
        QCOMPARE(bytesOf(qt(atlas)), bytesOf(Example));
        w_->fake.fileDialog.toOpen = {folder, folder + "/big", folder + "/limit"};
        w_->fake.fileDialog.toSave = folder + "/no/file";
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+O"));
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+Shift+S"));
        const std::string cannot = "Cannot open the Mech file \"" + folder;
        QCOMPARE(
            w_->fake.messageBox.shown,
            (std::vector<std::string>{
                cannot + "\":\nIt is a folder, not a file.",
                cannot + "/big\":\nThe file is larger than 1 MiB, far too large for a Mech file.",
                "Cannot save the Mech to \"" + folder + "/no/file\":\n" +
                    qt_error_string(ENOENT).toStdString()}));
        QCOMPARE(newSheets(), QStringList{"Kai Allard:Atlas AS7-D"}); // the file of 1 MiB
    }

    // vexolan FILE...: a sheet for each file that opens, the message for each that does not (in
    // the program's plain message box: its title, the text as it stands, OK alone), and a new
    // sheet when none opens; --version and --help open nothing.
    void commandLine() {
        QStringList messages;
        QTimer dismisser;
        connect(&dismisser, &QTimer::timeout, this, [&messages] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << QStringList{box->windowTitle(), box->text(),
                                        box->textFormat() == Qt::PlainText ? "plain" : "rich",
                                        box->icon() == QMessageBox::NoIcon ? "no icon" : "icon",
                                        box->standardButtons() == QMessageBox::Ok ? "OK only"
                                                                                  : "more"}
                                .join(", ");
                box->accept();
            }
        });
        dismisser.start(10);
        const QString none = dir_.filePath("<b>none"); // a name is text, never markup
        for (const auto& [arguments, sheets] : std::vector<std::pair<QStringList, QStringList>>{
                 {{Example, none}, {"Kai Allard:Atlas AS7-D"}},
                 {{none}, {"Vexolan"}},
                 {{}, {"Vexolan"}}}) {
            QCOMPARE(program_->start(QStringList{"vexolan"} + arguments), std::nullopt);
            QCOMPARE(newSheets(), sheets);
        }
        QCOMPARE(messages, QStringList(2, "Vexolan, Cannot open the Mech file \"" + none +
                                              "\":\nThe file does not exist., plain, no icon, "
                                              "OK only"));
        for (const auto& [argument, status] :
             {std::pair{"--version", 0}, {"--help", 0}, {"--frobnicate", 2}}) {
            QCOMPARE(program_->start({"vexolan", argument}), std::optional<int>(status));
        }
        QCOMPARE(newSheets(), QStringList{});
    }

    // Ctrl+R opens the sheet's one chart, and again only raises it; its title follows the
    // sheet's. Until a skill is chosen it says so, without a message box; then each user action
    // on the sheet changes it at once, the sheet's own to-hit field only on Calculate. It reads
    // as a table, copies and saves its picture, and goes with its sheet.
    void theRangeChartFollowsItsSheet() {
        open(true);
        QTest::keyClick(&w_->window, Qt::Key_R, Qt::ControlModifier);
        QPointer<RangeChartWindow> chart = w_->window.rangeChart();
        QVERIFY(chart != nullptr && chart->isVisible());
        QCOMPARE(chart->windowTitle(), QString("Range Chart - Vexolan"));
        QCOMPARE(find<QLabel>("rangeChartNotice")->text(),
                 QString("Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."));
        QVERIFY(!chart->table()->isVisible() && !find("rangeChartCopy")->isEnabled() &&
                !find("rangeChartSave")->isEnabled());
        QTest::keyClicks(find("pilotName"), "Kai");
        QCOMPARE(chart->windowTitle(), QString("Range Chart - Kai:"));
        w_->window.activateWindow();
        QTest::keyClick(&w_->window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w_->window.findChildren<RangeChartWindow*>().size(), 1);
        QCOMPARE(w_->window.rangeChart(), chart.data());
        act(model(), "gunSkill=4 Command5 weapName(0)=MLaser weapLoc(0)=RA Slider1=5 "
                     "fireCheck(0) Command1");
        emit w_->window.sheetRefreshed();
        QVERIFY(chart->table()->isVisible() && find("rangeChartNotice")->isHidden());
        QCOMPARE(chartCell(0, 4), QString("6, 26/36 (72.2%)"));
        QSignalSpy repaints(chart->table()->model(), &QAbstractItemModel::dataChanged);
        click(find<QRadioButton>("aMove2"));
        QVERIFY(!repaints.isEmpty()); // the view is told, so that no cell shows a stale number
        QCOMPARE(chartCell(0, 4), QString("7, 21/36 (58.3%)"));
        QCOMPARE(text("toHit(0)"), QString("6"));
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(chart->table())->tableInterface();
        QCOMPARE(table->rowDescription(0) + "|" + table->columnDescription(0),
                 QString("1 MLaser RA|1"));
        QCOMPARE(chartCell(1, 4), QString("2.9 expected damage"));
        const QModelIndex laser = chart->table()->model()->index(0, 4);
        QCOMPARE(laser.data(Qt::ToolTipRole).toString(),
                 qt(chart->chart().lines()[0].cells[4].toolTip));
        QCOMPARE(laser.data(Qt::BackgroundRole).value<QBrush>().color(),
                 RangeChartTableModel::bandColour(ChanceBand::Even));
        QVERIFY(laser.data(RangeChartTableModel::PresentRangeRole).toBool());
        click(find<QPushButton>("rangeChartCopy"));
        QCOMPARE(w_->fake.clipboard.text.value_or(""), chart->chart().tabSeparated());
        QVERIFY(chart->savePicture(dir_.filePath("chart.png")));
        const QImage picture(dir_.filePath("chart.png"));
        QVERIFY(picture.width() > chart->table()->width() &&
                picture.height() > chart->table()->height());
        QVERIFY(w_->fake.messageBox.shown.empty());
        w_->window.close();
        QTRY_VERIFY(chart.isNull());
    }

    void theQtClipboard() {
        QtClipboard clipboard;
        QVERIFY(clipboard.setText("  MLaser@6  LRM20@Out of Range"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  MLaser@6  LRM20@Out of Range"));
    }

    // A Mech being described: names, skill, equipment and the Clan technology base.
    void setupPanelPicture() {
        QTest::keyClicks(find("mechName"), "Atlas AS7-D");
        QTest::keyClicks(find("pilotName"), "Kai Allard");
        choose("gunSkill", 4);
        for (const char* name : {"Option2", "Check2", "Check6"}) {
            find<QAbstractButton>(name)->click();
        }
        compareWithReference(w_->window, "setup-panel");
    }

    // A sheet in play: weapons with their figures and to-hit numbers, one out of range, a
    // shoulder hit graying its actuators, water cover, woods, ticks and the declaration. Then
    // the chart of a milder attack, so that it shows every colour, with its bracket edges, the
    // present range, the expected damage and the legend; and the About box.
    void sheetChartAndAboutPictures() {
        choose("gunSkill", 4);
        find<QAbstractButton>("Command5")->click();
        const std::pair<int, int> rows[] = {{1, 0}, {13, 6}, {9, 3}, {7, 0}, {20, 4}};
        for (int row = 0; row < 5; ++row) {
            choose(QString("weapName(%1)").arg(row), rows[row].first);
            choose(QString("weapLoc(%1)").arg(row), rows[row].second);
        }
        find<QSlider>("Slider1")->setValue(5);
        for (const char* name :
             {"aMove3", "aHeat2", "dmgShoulder1", "dmgSensor1", "tMove2", "tWater0", "tProne0",
              "fireCheck(0)", "fireCheck(2)", "Command1", "Command4"}) {
            find<QAbstractButton>(name)->click();
        }
        choose("hexLW", 1);
        compareWithReference(w_->window, "sheet-in-play");
        for (const char* name : {"Command3", "dmgShoulder1", "dmgSensor1", "aMove2", "tMove1",
                                 "fireCheck(0)", "fireCheck(2)", "fireCheck(3)"}) {
            find<QAbstractButton>(name)->click();
        }
        w_->window.showRangeChart();
        QVERIFY(QTest::qWaitForWindowExposed(w_->window.rangeChart()));
        compareWithReference(*w_->window.rangeChart(), "range-chart");
        AboutDialog about(w_->window.services(), &w_->window);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        compareWithReference(about, "about-box");
    }

    // The box is modal and, at the zoom of its sheet, grows with its faces; the whole
    // disclaimer reaches it. OK is the default button and Esc means OK: both close the model
    // too. System Info shows its message and leaves the box open.
    void aboutBox() {
        FakePlatform fake;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutDialog dialog(fake.services, nullptr, 150);
            QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
            QCOMPARE(dialog.findChild<QPlainTextEdit*>("Text1")->toPlainText(),
                     qt(dialog.model().Text1.text()).replace("\r\n", "\n"));
            QCOMPARE(dialog.size(), QSize(587, 363));
            QCOMPARE(dialog.findChild<QLabel*>("lblTitle")->font().pixelSize(), 24);
            auto* ok = dialog.findChild<QPushButton*>("cmdOK");
            QVERIFY(ok->isDefault());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(dialog.focusWidget(), ok);
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            ok->setFocus();
            QTest::keyClick(&dialog, key);
            QVERIFY(!dialog.isVisible() && !dialog.model().isOpen());
        }
        QCOMPARE(fake.messageBox.shown,
                 std::vector<std::string>(2, "System Information Is Unavailable At This Time"));
    }

    // One non-modal window for all requests, never keeping the program alive: a second
    // request raises it as it was, at the zoom now asked; once closed, the next brings it back.
    // A missing file gets the not-found page, no message box, and a later request shows the
    // file once it is there.
    void oneHelpWindowForAllRequests() {
        QtHelpViewer viewer;
        QVERIFY(!viewer.showHelp(HelpFile, 3));
        QVERIFY(viewer.window() == nullptr);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        HelpWindow* window = viewer.window();
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(window->windowTitle(), QString("Vexolan Help"));
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        const int actualSize = window->browser()->font().pixelSize();
        viewer.setScale(200);
        window->browser()->verticalScrollBar()->setValue(50);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(viewer.window(), window);
        QCOMPARE(visibleHelpWindows(), 1);
        QCOMPARE(window->browser()->verticalScrollBar()->value(), 50);
        QCOMPARE(window->browser()->font().pixelSize(), 2 * actualSize);
        window->close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(visibleHelpWindows(), 1);
        window->close();
        QTemporaryDir empty;
        QtHelpViewer missing(empty.path());
        QVERIFY(missing.showHelp(HelpFile, ForceFile));
        QVERIFY(missing.window()->isVisible() && QApplication::activeModalWidget() == nullptr);
        QVERIFY(pageText(missing).contains("not found") &&
                pageText(missing).contains(qt(HelpFile)));
        QFile file(empty.filePath(QStringLiteral("Vexo.html")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<p>Arrived later</p>") > 0);
        file.close();
        QVERIFY(missing.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(missing).contains(QStringLiteral("Arrived later")));
    }

    // Only a program that really runs counts as started, and it is never our child to collect.
    void startsOnlyAProgramThatRuns() {
        QtProgramLauncher launcher;
        QVERIFY(launcher.start("/bin/true"));
        for (const char* path : {"/nonexistent/vexolan-tool", "", "/etc/passwd", "/tmp"}) {
            QVERIFY2(!launcher.start(path), path);
        }
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
    }

private:
    void expectCaptionsFitAndNothingOverlaps(int zoom) {
        QList<QWidget*> framed;
        for (QWidget* widget : form()->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() &&
                QStringList{"QLineEdit", "QComboBox", "QPushButton", "QSlider"}.contains(
                    widget->metaObject()->className())) {
                framed << widget;
            }
            QVERIFY2(captionFits(*widget) && widget->font().pixelSize() >= 9 * zoom / 100,
                     qPrintable(widget->objectName()));
        }
        QVERIFY(framed.size() > 90);
        for (QWidget* a : framed) {
            for (QWidget* b : framed) {
                QVERIFY2(a == b || a->parentWidget() != b->parentWidget() ||
                             !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
            }
        }
    }
    QList<QRect> geometries() const {
        QList<QRect> all;
        for (QWidget* widget : form()->findChildren<QWidget*>()) {
            all << widget->geometry();
        }
        return all;
    }
    void open(bool realOpener) {
        w_ = std::make_unique<FakeSheetWindow>(realOpener);
        w_->window.show();
        w_->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w_->window));
    }
    template <typename T = QWidget> T* find(const QString& name) const {
        T* found = w_->window.findChild<T*>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QWidget* form() const { return w_->window.centralWidget(); }
    void choose(const QString& name, int entry) {
        auto* list = find<QComboBox>(name);
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }
    // What a screen reader says of a cell of the range chart.
    QString chartCell(int row, int column) const {
        QAccessibleInterface* table =
            QAccessible::queryAccessibleInterface(w_->window.rangeChart()->table());
        return table->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The sheet windows shown besides the fixture's, handed over to be closed.
    std::vector<std::unique_ptr<SheetWindow>> takeOtherSheets() const {
        std::vector<std::unique_ptr<SheetWindow>> sheets;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* sheet = qobject_cast<SheetWindow*>(window);
            if (sheet && sheet != &w_->window && sheet->isVisible()) {
                sheets.emplace_back(sheet);
            }
        }
        return sheets;
    }
    QStringList newSheets() const {
        QStringList titles;
        for (const auto& sheet : takeOtherSheets()) {
            titles << sheet->windowTitle();
        }
        return titles;
    }
    CombatSheet& model() { return w_->window.sheet(); }
    QString text(const QString& name) const { return find<QLineEdit>(name)->text(); }
    Qt::CheckState checkState(const QString& name) const {
        return find<QCheckBox>(name)->checkState();
    }
    // A weapon row's fields on screen: "min|short|medium|long|damage|to-hit".
    QString rowTexts(int row) const {
        QStringList texts;
        for (const char* column : {"minRange", "sRange", "mRange", "lRange", "Damage", "toHit"}) {
            texts << text(QString("%1(%2)").arg(column).arg(row));
        }
        return texts.join('|');
    }

    std::unique_ptr<Program> program_;
    std::unique_ptr<FakeSheetWindow> w_;
    QTemporaryDir dir_;
    const QString Example = VEXOLAN_TEST_DATA "/../docs/atlas.vexmech";
};

QTEST_MAIN(SheetWindowTest)
#include "sheet_window_test.moc"
