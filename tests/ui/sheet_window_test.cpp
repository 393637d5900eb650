// The sheet window through its real widgets on the offscreen platform: the binding to the
// model, several windows side by side, the menus, the keyboard and the screen reader.

#include "support/fake_platform.h"
#include "ui/caption_fit.h"
#include "ui/program.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_message_box.h"
#include "ui/sheet_form.h"
#include "ui/sheet_layout.h"
#include "ui/sheet_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
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
#include <QTest>
#include <QTimer>

namespace {

// A sheet window on fake services: no real message box, clipboard or desktop. With the real
// opener, "&New Mech" opens real windows.
struct FakeSheetWindow {
    explicit FakeSheetWindow(bool realOpener = false)
        : shared{fake.clipboard, fake.registry, fake.launcher, fake.files, fake.help},
          window(shared, {&fake.messageBox, realOpener ? nullptr : &fake.windows}) {}
    FakePlatform fake;
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

Qt::CheckState stateOf(const CheckBox& box) {
    return box.value() == 2 ? Qt::PartiallyChecked : box.value() == 1 ? Qt::Checked : Qt::Unchecked;
}

// What a widget shows of its control, and what the model says it should show; "" where the
// two agree.
QString disagreement(QWidget* widget, const Control& control) {
    QString shows, should;
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        shows = QString::number(box->checkState()),
        should = QString::number(stateOf(static_cast<const CheckBox&>(control)));
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        shows = QString::number(option->isChecked());
        should = QString::number(static_cast<const OptionButton&>(control).selected());
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        shows = line->text(), should = qt(static_cast<const TextBox&>(control).text());
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        shows = text->toPlainText(), should = qt(static_cast<const TextBox&>(control).text());
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        shows = list->currentText(), should = qt(static_cast<const ComboBox&>(control).text());
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        shows = QString::number(slider->value());
        should = QString::number(static_cast<const Slider&>(control).position());
    }
    shows += widget->isEnabled() ? "" : " disabled";
    should += control.enabled() ? "" : " disabled";
    return shows == should ? QString()
                           : widget->objectName() + " shows " + shows + ", not " + should;
}

bool takesTabNow(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
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

// Counts what a user can reach in the accessibility tree, listing what has no name.
void walk(QAccessibleInterface* node, int& reached, QStringList& nameless) {
    const QAccessible::State state = node->state();
    if (!state.invisible && !state.offscreen &&
        (state.focusable || node->role() == QAccessible::MenuItem)) {
        ++reached;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            nameless << (node->object() ? node->object()->objectName() : QString("?"));
        }
    }
    for (int i = 0; i < node->childCount(); ++i) {
        walk(node->child(i), reached, nameless);
    }
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

    // After each user action every widget shows its control as the model holds it, lists with
    // the model's entries; the upper half shows one presentation at a time.
    void widgetsShowTheModel() {
        const QString steps[] = {"", "Command5", "dmgShoulder1", "tWater0", "Check1", "Command3"};
        for (const QString& step : steps) {
            if (!step.isEmpty()) {
                click(find<QAbstractButton>(step));
            }
            const auto& layout = sheet::sheetLayout();
            for (std::size_t place = 0; place < layout.size(); ++place) {
                if (layout[place].control && layout[place].kind != sheet::ControlKind::Panel) {
                    QWidget* widget = w_->window.form().widgetAt(place);
                    visitControl(model(), *layout[place].control, layout[place].row,
                                 [&](const Control& control) {
                                     QVERIFY2(disagreement(widget, control).isEmpty(),
                                              qPrintable(disagreement(widget, control)));
                                 });
                }
            }
            const bool setup = model().Setup.visible();
            QCOMPARE(find("Setup")->isVisible(), setup);
            QCOMPARE(find("Frame4")->isVisible() || find("Frame1")->isVisible(), !setup);
        }
        QCOMPARE(find<QComboBox>("weapName(11)")->count(), 42);
        QCOMPARE(find<QComboBox>("weapName(11)")->itemText(32), QString("LB-10X AC"));
        QVERIFY(find<QComboBox>("hexLW")->isEditable() &&
                !find<QComboBox>("gunSkill")->isEditable());
        QVERIFY(find("Label6")->isHidden() && find("tFacing")->isHidden());
    }

    // Resizing leaves every control where it was.
    void resizingLeavesTheControlsInPlace() {
        const auto places = [this] {
            QList<QRect> all;
            for (QWidget* widget : form()->findChildren<QWidget*>()) {
                all << widget->geometry();
            }
            return all;
        };
        const QList<QRect> before = places();
        for (const QSize size : {QSize(1000, 700), QSize(400, 300)}) {
            w_->window.resize(size);
            QCOMPARE(places(), before);
        }
    }

    // Framed fields, lists and buttons that share a container never cover one another, and
    // every caption shows whole in a readable size.
    void captionsFitAndNothingOverlaps() {
        QList<QWidget*> framed;
        for (QWidget* widget : form()->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() &&
                QStringList{"QLineEdit", "QComboBox", "QPushButton", "QSlider"}.contains(
                    widget->metaObject()->className())) {
                framed << widget;
            }
            QVERIFY2(captionFits(*widget) && widget->font().pixelSize() >= 9,
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
        QLabel tooNarrow("Gunnery Skill (Required)");
        tooNarrow.setGeometry(0, 0, 40, 17);
        QVERIFY(!captionFits(tooNarrow));
    }

    // In both presentations nothing a screen-reader user can reach is nameless, and Tab visits
    // every control in sight once, from the first field of the panel in front, the setup's
    // fields in the order they are filled in; the attacker panel under the setup is not on
    // the way.
    void keyboardAndScreenReaderReachEverything() {
        for (const bool sheetShown : {false, true}) {
            if (sheetShown) {
                click(find<QPushButton>("Command5"));
            }
            int reached = 0;
            QStringList nameless;
            walk(QAccessible::queryAccessibleInterface(&w_->window), reached, nameless);
            QVERIFY2(reached > 12 * 9, qPrintable(QString::number(reached)));
            QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));

            const QStringList circle = tabCircle(find(sheetShown ? "Slider1" : "mechName"));
            QSet<QString> focusable;
            for (QWidget* widget : form()->findChildren<QWidget*>()) {
                if (!widget->objectName().isEmpty() && takesTabNow(widget)) {
                    focusable << widget->objectName();
                }
            }
            QCOMPARE(QSet<QString>(circle.begin(), circle.end()), focusable);
            QCOMPARE(focusable.size(), circle.size());
            QCOMPARE(circle.contains("aMove1"), sheetShown);
            const QStringList start = sheetShown ? QStringList{"Slider1", "aMove1", "aMove2"}
                                                 : QStringList{"mechName", "pilotName", "gunSkill",
                                                               "pilotSkill", "Option1"};
            QCOMPARE(circle.mid(0, start.size()), start);
        }
    }

    void menusCarryTheirCaptionsAndMnemonics() {
        auto* help = find<QMenu>("Help");
        QStringList captions;
        for (QAction* entry :
             w_->window.menuBar()->actions() + find<QMenu>("View")->actions() + help->actions()) {
            captions << entry->text() + entry->shortcut().toString();
        }
        QCOMPARE(captions.join(','), QString("&New Mech,&Edit Mech,&View,&Help,&Range "
                                             "ChartCtrl+R,&Contents,&About Vexolan"));
        QTest::keyClick(&w_->window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(w_->fake.windows.sheetsOpened, 1);
        click(find<QPushButton>("Command5"));
        QTest::keyClick(&w_->window, Qt::Key_E, Qt::AltModifier);
        QVERIFY(find("Setup")->isVisible());
        for (const Qt::Key entry : {Qt::Key_C, Qt::Key_A}) {
            QTest::keyClick(&w_->window, Qt::Key_H, Qt::AltModifier);
            QTRY_VERIFY(help->isVisible());
            QTest::keyClick(help, entry);
            QTRY_VERIFY(!help->isVisible());
        }
        QCOMPARE(w_->fake.help.requests.size(), std::size_t{1});
        QCOMPARE(w_->fake.windows.aboutBoxesOpened, 1);
        QTest::keyClick(&w_->window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w_->fake.windows.rangeChartsOpened, 1);
    }

    // The names make the title; the slider shows its range and, at 1, an adjacent target; the
    // model's rule for a click on a grayed box shows, not the widget's own next state.
    void setupSliderAndShoulder() {
        QTest::keyClicks(find<QLineEdit>("pilotName"), "Kai");
        QTest::keyClicks(find<QLineEdit>("mechName"), "Atlas");
        QCOMPARE(w_->window.windowTitle(), QString("Kai:Atlas"));
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        QCOMPARE(text("gunSkillText"), QString("4"));
        slideTo(find<QSlider>("Slider1"), 1);
        QCOMPARE(text("range1"), QString("1"));
        QCOMPARE(checkState("tAdjHex0"), Qt::Checked);
        slideTo(find<QSlider>("Slider1"), 2);
        QCOMPARE(text("range1"), QString("2"));
        QCOMPARE(checkState("tAdjHex0"), Qt::Unchecked);
        click(find<QCheckBox>("dmgShoulder1"));
        QCOMPARE(checkState("dmgUpperAct1"), Qt::PartiallyChecked);
        click(find<QCheckBox>("dmgUpperAct1"));
        QCOMPARE(checkState("dmgUpperAct1"), Qt::Checked);
    }

    // Calculate writes the row with its explanation as a tip, and the total heat; Declare,
    // the user's edit and Copy reach the clipboard; Clear empties the results on screen.
    void calculateDeclareCopyAndClear() {
        pick(find<QComboBox>("weapName(0)"), "MLaser");
        click(find<QPushButton>("Command1"));
        QCOMPARE(
            w_->fake.messageBox.shown,
            std::vector<std::string>{"Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."});
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        slideTo(find<QSlider>("Slider1"), 5);
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
        model().Frame9.hide();
        click(find<QCheckBox>("Check3"));
        QCOMPARE(find<QSlider>("Slider1")->value(), 9);
        QCOMPARE(find<QComboBox>("weapLoc(3)")->currentText(), QString("LA"));
        QCOMPARE(find<QPlainTextEdit>("Text13")->toPlainText(), QString("  Sword@5"));
        QVERIFY(find("Frame9")->isHidden());
        QCOMPARE(moves.count(), 3);
        QCOMPARE(titleChanges, 0);
    }

    void newMechOpensAnIndependentWindow() {
        open(true);
        QTest::keyClick(&w_->window, Qt::Key_N, Qt::AltModifier);
        QPointer<SheetWindow> second;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* sheet = qobject_cast<SheetWindow*>(window);
            second = sheet && sheet != &w_->window && sheet->isVisible() ? sheet : second.data();
        }
        QVERIFY(second != nullptr);
        click(find<QCheckBox>("Check2"));
        QCOMPARE(second->sheet().Check2.value(), 0);
        QCOMPARE(second->findChild<QCheckBox*>("Check2")->checkState(), Qt::Unchecked);
        second->close();
        QTRY_VERIFY(second.isNull());
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

    void theQtMessageBoxAndClipboard() {
        QtMessageBox messageBox(&w_->window);
        QString seen;
        QTimer::singleShot(0, &w_->window, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = QStringList{box->windowTitle(), box->text(),
                                   box->textFormat() == Qt::PlainText ? "plain" : "rich",
                                   box->icon() == QMessageBox::NoIcon ? "no icon" : "icon",
                                   box->standardButtons() == QMessageBox::Ok ? "OK only" : "more"}
                           .join(", ");
                box->close();
            }
        });
        messageBox.show("Some <b>text</b>");
        QCOMPARE(seen, QString("Vexolan, Some <b>text</b>, plain, no icon, OK only"));
        QtClipboard clipboard;
        QVERIFY(clipboard.setText("  MLaser@6  LRM20@Out of Range"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  MLaser@6  LRM20@Out of Range"));
    }

private:
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
};

QTEST_MAIN(SheetWindowTest)
#include "sheet_window_test.moc"
