// The sheet window through its real widgets on the offscreen platform: the binding to the
// model, several windows side by side, the menus, the keyboard and the screen reader, real
// Mech files and the command line; and the look of the setup panel and of a sheet in play
// against reviewed reference pictures (tests/ui/reference/*.png), rendered with the fonts the
// set-up installs.

#include "layout/sheet_layout.h"
#include "layout/sheet_scene.h"
#include "support/fresh_sheet.h"
#include "support/window_test.h"
#include "ui/caption_fit.h"
#include "ui/command_line.h"
#include "ui/program.h"
#include "ui/program_look.h"
#include "ui/sheet_form.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

class SheetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        program_ = std::make_unique<Program>(*qApp);
        QAccessible::setActive(true); // the tree as an assistive technology gets it
    }
    // QTemporaryDir spells names in UTF-8 and cannot remove a file named in other bytes.
    void cleanupTestCase() { std::filesystem::remove_all(dir_.path().toStdString()); }
    void init() { open(false); }
    void cleanup() { w_.reset(); }

    // At every zoom, stepped up by the keyboard to twice the actual size and back: framed
    // fields, lists and buttons that share a container never cover one another, every control
    // stays inside its panel, every caption shows whole in a readable size, the client area
    // grows with them, and resizing the window moves nothing. New Mech opens a sheet at the
    // zoom of the one it came from.
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
                compareWithReference(*find("setupPanel"), "setup-panel-200");
            }
            // The menu bar, its menus and the option and check marks grow with the zoom too.
            QCOMPARE(w_->window.menuBar()->font(), find("declarationBox")->font());
            for (const QMenu* menu : w_->window.menuBar()->findChildren<QMenu*>()) {
                QVERIFY2(menu->font() == sheetFont(zoom), qPrintable(menu->objectName()));
            }
            const QWidget* option = find("stationaryOption");
            QCOMPARE(
                option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option),
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
        const auto others = takeOtherSheets(&w_->window);
        QCOMPARE(others.size(), std::size_t{1});
        QCOMPARE(others[0]->sheet().zoom, 125);
        QCOMPARE(others[0]->form().size(), form()->size());
    }

    // Every control reaches a screen reader in the role of its kind, every field with the
    // scene's name for it and the label that stands by it; the technology base is a group of its
    // own, and the arrow keys move the choice within a group, through the model. The keyboard
    // reaches all.
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
                const QString name = node->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty() && name == qt(SheetScene::fixedOf(model(), place).name),
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
                click(find<QPushButton>("doneButton"));
            }
            const QStringList circle = tabCircle(find(sheetShown ? "rangeSlider" : "mechName"));
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
            QCOMPARE(circle.contains(objectNameOf("stationaryOption")), sheetShown);
            const QStringList start =
                sheetShown ? names({"rangeSlider", "stationaryOption", "attackerProneBox"})
                           : names({"mechName", "pilotName", "gunSkill", "pilotSkill",
                                    "innerSphereOption"});
            QCOMPARE(circle.mid(0, start.size()), start);
            // The fire boxes make a column of their own after "Check to Declare"; the weapon
            // rows are visited row by row.
            QVERIFY(circle.join(' ').contains(
                names({"selectAllBox", "fireCheck(0)", "fireCheck(1)"}).join(' ')));
            QVERIFY(circle.join(' ').contains(
                names({"toHit(0)", "weapName(1)", "weapLoc(1)"}).join(' ')));
        }
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(find("innerSphereOption"))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QString("Mech Type (Required)"));
        find("stationaryOption")->setFocus();
        QTest::keyClick(find("stationaryOption"), Qt::Key_Down);
        QTest::keyClick(find("walkedOption"), Qt::Key_Down);
        QCOMPARE(model().situation.aMoveMod, 2);
        QVERIFY(find<QRadioButton>("ranOption")->isChecked());
        QVERIFY(find("ranOption")->hasFocus());
    }

    // A list's value is its entry, or the line that takes typing; a screen reader walks a list's
    // entries and that line, and drops the list down as a click does.
    void aScreenReaderReadsAndOpensLists() {
        auto *weapon = find<QComboBox>("weapName(0)"), *woods = find<QComboBox>("hexLW");
        pick(weapon, "LB-10X AC");
        // Each list's name and value, and its children: the entries' view, then the typing line.
        const std::tuple<QComboBox*, const char*, const char*, QObjectList> lists[] = {
            {weapon, "Weapon 1", "LB-10X AC", {weapon->view()}},
            {woods, "Light Woods", "0", {woods->view(), woods->lineEdit()}}};
        for (const auto& [list, name, value, children] : lists) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
            QCOMPARE(node->text(QAccessible::Name), QString(name));
            QCOMPARE(node->text(QAccessible::Value), QString(value));
            QCOMPARE(node->childCount(), children.size());
            for (int child = 0; child < children.size(); ++child) {
                QCOMPARE(node->child(child)->object(), children[child]);
                QCOMPARE(node->indexOfChild(node->child(child)), child);
            }
            QCOMPARE(node->indexOfChild(QAccessible::queryAccessibleInterface(find("mechName"))),
                     -1);
        }
        QAccessible::queryAccessibleInterface(weapon)->actionInterface()->doAction(
            QAccessibleActionInterface::showMenuAction());
        QVERIFY(weapon->view()->isVisible());
        weapon->hidePopup();
    }

    // Enter and the keypad's Enter press the focused push button, as Space does; the keyboard
    // follows the panel in front: Done leaves it on the sheet's first control, Edit Mech on the
    // setup panel's first field.
    void theKeyboardPressesButtonsAndFollowsThePanels() {
        // Each press: the control it goes to, the key, and the control that has the focus after.
        const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, const char*> presses[] = {
            {"doneButton", Qt::Key_Return, Qt::NoModifier, "rangeSlider"},
            {"calculateButton", Qt::Key_Enter, Qt::KeypadModifier, "calculateButton"},
            {"copyButton", Qt::Key_Return, Qt::NoModifier, "copyButton"},
            {"copyButton", Qt::Key_E, Qt::AltModifier, "mechName"},
            {"doneButton", Qt::Key_Space, Qt::NoModifier, "rangeSlider"}};
        for (const auto& [button, key, modifiers, focus] : presses) {
            find(button)->setFocus();
            QTest::keyClick(find(button), key, modifiers);
            QVERIFY2(QApplication::focusWidget() == find(focus),
                     qPrintable(QString("%1 after a key on %2").arg(focus, button)));
        }
        QVERIFY(!find("setupPanel")->isVisible());
        QCOMPARE(w_->fake.messageBox.shown.size(), std::size_t{1});
        QCOMPARE(w_->fake.clipboard.calls, 1);
    }

    // The menus' captions, mnemonics and shortcuts, and the Help menu's entries reached by
    // their letters. The other entries' keys are pressed where their work is checked: Alt+N and
    // the zoom keys with the zoom, Alt+E with the panels, the File keys with real files and with
    // closing, Ctrl+R with the range chart.
    void menusCarryTheirCaptionsAndMnemonics() {
        auto* help = find<QMenu>("Help");
        QStringList captions;
        for (QAction* entry : w_->window.menuBar()->actions() + find<QMenu>("File")->actions() +
                                  find<QMenu>("View")->actions() + help->actions()) {
            captions << (entry->text() + " " + entry->shortcut().toString()).trimmed();
        }
        QCOMPARE(captions,
                 QStringList({"&File", "&New Mech", "&Edit Mech", "&View", "&Help",
                              "&Open Mech... Ctrl+O", "&Save Mech Ctrl+S",
                              "Save Mech &As... Ctrl+Shift+S", "&Close Ctrl+W", "&Quit Ctrl+Q",
                              "&Range Chart Ctrl+R", "Zoom &In Ctrl++", "Zoom &Out Ctrl+-",
                              "&Actual Size Ctrl+0", "&Contents", "&About Vexolan"}));
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
    }

    // A whole attack by keyboard and mouse, through the model: the names make the title exactly
    // as typed; a paste is cut at the name's length, and typing in a full name stops with the
    // cursor where it was. A click on a grayed box shows the model's rule, not the widget's own
    // next state. Calculate shows the to-hit with its explanation as a tip; the user's edit of
    // the declaration reaches the clipboard; Clear takes the tip away. A woods count typed and
    // entered stays a count: the list gains no entry.
    void aWholeAttack() {
        QTest::keyClicks(find<QLineEdit>("pilotName"), "Kai[*]");
        QTest::keyClicks(find<QLineEdit>("mechName"), "Quillfen");
        QCOMPARE(w_->window.windowHandle()->title(), QString("Kai[*]:Quillfen"));
        auto* mechName = find<QLineEdit>("mechName");
        mechName->insert(QString(40000, 'M'));
        const QString full = "Quillfen" + QString(72, 'M');
        QCOMPARE(std::pair(mechName->text(), mechName->cursorPosition()), std::pair(full, 80));
        mechName->setCursorPosition(4);
        QTest::keyClicks(mechName, "xy");
        QCOMPARE(std::pair(mechName->text(), mechName->cursorPosition()), std::pair(full, 4));
        pick(find<QComboBox>("weapName(0)"), "MLaser");
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("doneButton"));
        click(find<QCheckBox>("leftShoulderBox"));
        click(find<QCheckBox>("leftUpperActuatorBox"));
        QCOMPARE(find<QCheckBox>("leftUpperActuatorBox")->checkState(), Qt::Checked);
        slideTo(find<QSlider>("rangeSlider"), 5);
        for (const char* name : {"walkedOption", "heat8to12Option", "targetMoved3to4Option",
                                 "fireCheck(0)", "calculateButton", "declareButton"}) {
            click(find<QAbstractButton>(name));
        }
        QCOMPARE(find<QLineEdit>("toHit(0)")->text(), QString("9"));
        QCOMPARE(find("toHit(0)")->toolTip(), qt(model().toHit[0].toolTip()));
        auto* declaration = find<QPlainTextEdit>("declarationBox");
        declaration->moveCursor(QTextCursor::End);
        QTest::keyClicks(declaration, "!");
        click(find<QPushButton>("copyButton"));
        QCOMPARE(w_->fake.clipboard.text, std::optional<std::string>("  MLaser@9!"));
        click(find<QPushButton>("clearButton"));
        QCOMPARE(find("toHit(0)")->toolTip(), QString());
        QLineEdit* woods = find<QComboBox>("hexLW")->lineEdit();
        QTest::keyClick(woods, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(woods, "1.5");
        QTest::keyClick(woods, Qt::Key_Return);
        QCOMPARE(model().hexLW.text(), "1.5");
        QCOMPARE(find<QComboBox>("hexLW")->count(), 4);
    }

    // Results worked out before the last change keep their numbers, dimmed on a pale ground, and
    // tell a screen reader so before their breakdown; Calculate takes the mark off the numbers,
    // Declare off the declaration.
    void staleResultsAreMarked() {
        act(model(), "weapName(0)=MLaser gunSkill=4 doneButton rangeSlider=3");
        w_->window.refresh();
        const QStringList results = {"toHit(0)", "toHit(11)", "totalHeatBox", "declarationBox"};
        const struct {
            const char* action;
            QStringList marked;
        } steps[] = {{"fireCheck(0)", {}},
                     {"calculateButton", {}},
                     {"declareButton", {}},
                     {"walkedOption", results},
                     {"calculateButton", {"declarationBox"}},
                     {"declareButton", {}}};
        const QColor plain = find("mechName")->palette().color(QPalette::Text);
        for (const auto& [action, marked] : steps) {
            click(find<QAbstractButton>(action));
            for (const QString& name : results) {
                const QWidget* field = find(name);
                const bool dimmed = field->palette().color(QPalette::Text) != plain;
                const bool said = field->accessibleDescription().startsWith(SheetScene::StaleNote);
                const QString what = name + " after " + action;
                QVERIFY2(dimmed == marked.contains(name), qPrintable(what));
                QVERIFY2(said == marked.contains(name), qPrintable(what));
            }
        }
        click(find<QAbstractButton>("ranOption"));
        QCOMPARE(find("toHit(0)")->accessibleDescription(),
                 QString(SheetScene::StaleNote) + '\n' + find("toHit(0)")->toolTip());
    }

    // Refreshing the widgets raises no notification: the model sees only the user's actions,
    // and what a handler writes anywhere, a control's state included, shows once the user's
    // action is done.
    void refreshingNeverActsAsTheUser() {
        int titleChanges = 0;
        connect(&w_->window, &QWidget::windowTitleChanged, this, [&] { ++titleChanges; });
        QSignalSpy moves(find<QSlider>("rangeSlider"), &QSlider::valueChanged);
        click(find<QPushButton>("doneButton"));
        slideTo(find<QSlider>("rangeSlider"), 3);
        click(find<QCheckBox>("rightShoulderBox"));
        click(find<QPushButton>("clearButton"));
        model().rangeSlider.setPosition(9);
        model().weapLoc[3].setText("LA");
        model().declarationBox.setText("  Sword@5");
        model().hexLW.setText("2.5");
        model().terrainPanel.hide();
        model().calculateButton.setEnabled(false);
        model().sensorsBox.setEnabled(false);
        click(find<QCheckBox>("artemisBox"));
        QCOMPARE(find<QSlider>("rangeSlider")->value(), 9);
        QCOMPARE(find<QComboBox>("weapLoc(3)")->currentText(), QString("LA"));
        QCOMPARE(find<QPlainTextEdit>("declarationBox")->toPlainText(), QString("  Sword@5"));
        QCOMPARE(find<QComboBox>("hexLW")->currentText(), QString("2.5"));
        QVERIFY(find("terrainPanel")->isHidden());
        QVERIFY(!find("calculateButton")->isEnabled());
        QVERIFY(!find("sensorsBox")->isEnabled());
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

    // Real files: two chosen at once go on this untouched sheet and on a new one, a file open
    // already (by another spelling of its name) only brings its sheet to the front, Save writes the
    // file back byte for byte, 1 MiB is read, and what cannot be read or written is named with
    // why: a folder, a loop of links, a missing folder. (A byte more, and the file store's own
    // reasons, a folder that refuses a new file among them, are the Mech file's and the store's.)
    void realFilesThroughTheMenu() {
        open(true);
        const std::string folder = dir_.path().toStdString(), mech = folder + "/quillfen.vexmech";
        const std::string second = folder + "/second.vexmech";
        QVERIFY(QFile::copy(ExampleMechFile, qt(mech)));
        QVERIFY(QFile::copy(ExampleMechFile, qt(second)));
        std::ofstream(folder + "/limit")
            << bytesOf(ExampleMechFile).leftJustified(1024 * 1024, '\n').toStdString();
        w_->fake.fileDialog.toOpen = {mech, second, folder + "/./second.vexmech"};
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+O"));
        QCOMPARE(find<QComboBox>("weapName(0)")->currentText(), QString("LB-10X AC"));
        QCOMPARE(newSheets(), QStringList{"Ilsa Marrow:Quillfen QF-2"});
        QVERIFY(QFile::remove(qt(mech)));
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+S"));
        QCOMPARE(bytesOf(qt(mech)), bytesOf(ExampleMechFile));
        QVERIFY(QFile::link("loop", qt(folder + "/loop")));
        w_->fake.fileDialog.toOpen = {folder, folder + "/loop", folder + "/limit"};
        w_->fake.fileDialog.toSave = folder + "/no/file";
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+O"));
        QTest::keySequence(&w_->window, QKeySequence("Ctrl+Shift+S"));
        const std::string cannot = "Cannot open the Mech file \"" + folder;
        QCOMPARE(
            w_->fake.messageBox.shown,
            (std::vector<std::string>{
                cannot + "\":\nIt is a folder, not a file.",
                cannot + "/loop\":\nThe symbolic links on the way to the file go round in a loop.",
                "Cannot save the Mech to \"" + folder + "/no/file\":\n" +
                    qt_error_string(ENOENT).toStdString()}));
        QCOMPARE(newSheets(), QStringList{"Ilsa Marrow:Quillfen QF-2"}); // the file of 1 MiB
    }

    // Ctrl+W and File -> Close close the sheet as its close box does, asking where it has a
    // change its file lacks, which its title marks; a cancel keeps it open, Discard closes it
    // without writing. (Which sheets ask is the Mech file's test's.) Ctrl+Q and File -> Quit close
    // every sheet, the one asked first, each asking as it closes, and stop at the first cancel.
    void closeAndQuitByKeysAndMenu() {
        using Answer = platform::MessageBox::Answer;
        open(true);
        const QString path = dir_.filePath("closing.vexmech");
        QVERIFY(QFile::copy(ExampleMechFile, path));
        FakeSheetWindow changed(true);
        QVERIFY(showActive(changed.window));
        changed.fake.fileDialog.toOpen = {path.toStdString()};
        QTest::keySequence(&changed.window, QKeySequence("Ctrl+O"));
        click(findIn<QCheckBox>(changed.window, "sensorsBox")); // a change the file lacks
        QCOMPARE(changed.window.windowHandle()->title(), QString("Ilsa Marrow:Quillfen QF-2*"));
        changed.fake.messageBox.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
        QTest::keySequence(&changed.window, QKeySequence("Ctrl+W"));
        QVERIFY(changed.window.isVisible());
        QTest::keySequence(&changed.window, QKeySequence("Ctrl+Q"));
        QVERIFY(changed.window.isVisible());
        QVERIFY(w_->window.isVisible());
        QCOMPARE(changed.fake.messageBox.asked.size(), std::size_t{2});

        findIn<QAction>(w_->window, "mnuQuit")->trigger();
        QVERIFY(!w_->window.isVisible());
        QVERIFY(changed.window.isVisible());
        QCOMPARE(changed.fake.messageBox.asked.size(), std::size_t{3});
        QCOMPARE(w_->fake.messageBox.asked.size(), std::size_t{0});

        changed.fake.messageBox.answers = {Answer::Discard};
        findIn<QAction>(changed.window, "mnuClose")->trigger();
        QVERIFY(!changed.window.isVisible());
        QCOMPARE(changed.fake.messageBox.asked.size(), std::size_t{4});
        QCOMPARE(bytesOf(path), bytesOf(ExampleMechFile));
    }

    // vexolan FILE...: a sheet for each file that opens, by whatever bytes its name is made of,
    // a sheet for each Mech of a lance file, the message for each file that does not open (in
    // the program's plain message box: its title, the text as it stands, a name that is not
    // UTF-8 shown readably, OK alone), and a new sheet when none opens; the word after a toolkit
    // option that takes a value is that value, no file to open. The options, which open no
    // window, are program.command_line's.
    void commandLine() {
        std::vector<QStringList> messages;
        const auto dismisser = answerModals<QMessageBox>([&messages](QMessageBox* box) {
            messages.push_back({box->windowTitle(), box->text(),
                                box->textFormat() == Qt::PlainText ? "plain" : "rich",
                                box->icon() == QMessageBox::NoIcon ? "no icon" : "icon",
                                box->standardButtons() == QMessageBox::Ok ? "OK only" : "more"});
            box->accept();
        });
        const std::string folder = dir_.path().toStdString();
        // A name is text, never markup.
        const std::string none = folder + "/<b>none", noLance = none + ".vexlance";
        const std::string latin1 = folder + "/quillfen-\xe9.vexmech", noneLatin1 = none + "\xe9";
        QVERIFY(std::filesystem::copy_file(ExampleMechFile.toStdString(), latin1));
        for (const auto& [line, sheets] :
             std::vector<std::pair<std::vector<std::string>, QStringList>>{
                 {{"vexolan", ExampleLanceFile.toStdString()},
                  {"Ilsa Marrow:Quillfen QF-2", "Tovin Reyle:Brannoch BR-5"}},
                 {{"vexolan", noLance}, {"Vexolan"}},
                 {{"vexolan", ExampleMechFile.toStdString(), none}, {"Ilsa Marrow:Quillfen QF-2"}},
                 {{"vexolan", none}, {"Vexolan"}},
                 {{"vexolan", "--", latin1, noneLatin1}, {"Ilsa Marrow:Quillfen QF-2"}}}) {
            QCOMPARE(program_->start(CommandLine(line)), std::nullopt);
            QCOMPARE(newSheets(), sheets);
        }
        const auto missing = [](const char* kind, const QString& name) {
            const QString text = "Cannot open the %1 file \"%2\":\nThe file does not exist.";
            return QStringList{"Vexolan", text.arg(kind, name), "plain", "no icon", "OK only"};
        };
        QCOMPARE(messages,
                 (std::vector<QStringList>{missing("lance", qt(noLance)), missing("Mech", qt(none)),
                                           missing("Mech", qt(none)),
                                           missing("Mech", qt(none) + QChar(0xFFFD))}));
        for (const char* option :
             {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qmljsdebugger",
              "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-session", "-display",
              "-geometry", "-style", "-stylesheet"}) {
            QVERIFY2(CommandLine({"vexolan", option, "x"}).files().empty(), option);
        }
    }

    // A Mech being described: names, skill, equipment and the Clan technology base.
    void setupPanelPicture() {
        act(model(), "mechName=Quillfen_QF-2 pilotName=Ilsa_Marrow gunSkill=4 clanOption amsBox "
                     "clusterMunitionsBox");
        w_->window.refresh();
        compareWithReference(w_->window, "setup-panel");
    }

    // A sheet in play: weapons with their figures and to-hit numbers, one out of range, a
    // shoulder hit graying its actuators, water cover, woods, ticks and the declaration.
    void sheetInPlayPicture() {
        act(model(),
            "gunSkill=4 doneButton weapName(0)=MLaser weapLoc(0)=RA weapName(1)=LRM20 "
            "weapLoc(1)=LA weapName(2)=PPC weapLoc(2)=CT weapName(3)=MPLaser weapLoc(3)=RA "
            "weapName(4)=MRM10 weapLoc(4)=LT rangeSlider=5 hexLW=1 ranOption "
            "heat13to16Option rightShoulderBox sensorsBox targetMoved5to6Option "
            "targetWaterOption targetProneBox fireCheck(0) fireCheck(2) calculateButton "
            "declareButton"); // the woods before Calculate, so that the results hold
        w_->window.refresh();
        compareWithReference(w_->window, "sheet-in-play");
    }

    // Asked about a group box without a group box's options, the style answers as Qt's does.
    void theStyleTakesAGroupBoxWithoutItsOptions() {
        QCOMPARE(QApplication::style()->subControlRect(QStyle::CC_GroupBox, nullptr,
                                                       QStyle::SC_GroupBoxFrame, nullptr),
                 QRect());
    }

private:
    static QStringList names(QStringList codeNames) {
        std::ranges::transform(codeNames, codeNames.begin(), objectNameOf);
        return codeNames;
    }
    // Framed controls that share a container never cover one another, and no control reaches
    // beyond its container.
    void expectCaptionsFitAndNothingOverlaps(int zoom) {
        QList<QWidget*> framed;
        for (QWidget* widget : form()->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty()) {
                continue;
            }
            if (widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
                widget->inherits("QPushButton") || widget->inherits("QSlider")) {
                framed << widget;
            }
            QVERIFY2(captionFits(*widget), qPrintable(widget->objectName()));
            QVERIFY2(widget->font().pixelSize() >= 9 * zoom / 100,
                     qPrintable(widget->objectName()));
        }
        for (std::size_t place = 0; place < sheet::sheetLayout().size(); ++place) {
            QWidget* widget = w_->window.form().widgetAt(place);
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                     qPrintable(widget->objectName()));
        }
        QVERIFY(framed.size() > 90);
        QCOMPARE(overlaps(framed), QStringList());
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
        QVERIFY(showActive(w_->window));
    }
    template <typename T = QWidget> T* find(const QString& codeName) const {
        return findIn<T>(w_->window, codeName);
    }
    QWidget* form() const { return w_->window.centralWidget(); }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The titles of the other sheets, which then close.
    QStringList newSheets() const {
        const QStringList titles = sheetTitles(&w_->window);
        takeOtherSheets(&w_->window);
        return titles;
    }
    CombatSheet& model() { return w_->window.sheet(); }

    std::unique_ptr<Program> program_;
    std::unique_ptr<FakeSheetWindow> w_;
    QTemporaryDir dir_;
};

QTEST_MAIN(SheetWindowTest)
#include "sheet_window_test.moc"
