// The sheet window through its real widgets on the offscreen platform: the layout, the binding
// to the model, several windows side by side, the keyboard and the screen reader.

#include "fakes/fake_platform.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_message_box.h"
#include "ui/caption_fit.h"
#include "ui/program_look.h"
#include "ui/shared_services.h"
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

// A label's or button's text, a panel's title; a text box's text, empty in a new sheet.
QString captionOf(const QWidget* widget) {
    return widget->property(qobject_cast<const QGroupBox*>(widget) ? "title" : "text").toString();
}

QString placeText(const QString& name, const QString& in, QRect r, const QString& caption,
                  bool underlined) {
    return QString("%1 in %2 at %3 \"%4\"%5")
        .arg(name, in, QString::asprintf("%d,%d %dx%d", r.x(), r.y(), r.width(), r.height()),
             caption, underlined ? " underlined" : "");
}

QString placeOf(const QWidget* widget) {
    return placeText(widget->objectName(), widget->parentWidget()->objectName(), widget->geometry(),
                     captionOf(widget), widget->font().underline());
}

QString itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items.join(',');
}

// The Tab key's order through the sheet as designed; the remaining fields follow it.
const QStringList DesignedTabOrder =
    QString("mechName pilotName gunSkill pilotSkill Option1 Option2 Check2 Check3 Check4 Check5 "
            "Check6 Check7 Command5 Slider1 aMove1 aMove2 aMove3 aMove4 aProne1 aWater1 "
            "dmgSensor1 dmgShoulder1 dmgUpperAct1 dmgLowerAct1 dmgShoulder2 dmgUpperAct2 "
            "dmgLowerAct2 aHeat0 aHeat1 aHeat2 aHeat3 aHeat4 tMove0 tMove1 tMove2 tMove3 tMove4 "
            "tJump0 tPartial0 tProne0 tImmobile0 tOpenHex0 tLW0 tHW0 tWater0 hexLW hexHW Check1 "
            "fireCheck(0) fireCheck(1) fireCheck(2) fireCheck(3) fireCheck(4) fireCheck(5) "
            "fireCheck(6) fireCheck(7) fireCheck(8) fireCheck(9) fireCheck(10) fireCheck(11) "
            "Command1 Command4 Command2 Command3 tAdjHex0")
        .split(' ');

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
        applyProgramLook(*qApp);
        QAccessible::setActive(true); // the tree as an assistive technology gets it
    }
    void init() { open(false); }
    void cleanup() { w_.reset(); }

    // Every control of the layout stands in its container at twips / 15 pixels with its
    // caption; the weapon rows step down by 360 twips from 4320, within a 773 x 576 sheet.
    void everyControlStandsAtItsPlace() {
        for (const sheet::ControlLayout& c : sheet::sheetLayout()) {
            const QString name = QString::fromStdString(c.name);
            QCOMPARE(placeOf(find(name)),
                     placeText(name, c.container.empty() ? "frmFire" : c.container.c_str(),
                               QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15),
                               QString::fromStdString(c.caption), c.underlined));
        }
        for (int row = 0; row < 12; ++row) {
            QCOMPARE(find(QString("weapName(%1)").arg(row))->y(), (4320 + 360 * row) / 15);
        }
        QCOMPARE(form()->size(), QSize(773, 576));
    }

    void listsHoldTheirEntriesInOrder() {
        const QString skills = "0,1,2,3,4,5,6,7,8,9,10,11,12", places = "RA,RL,RT,CT,LT,LL,LA,H";
        const std::pair<const char*, QString> lists[] = {
            {"gunSkill", skills},    {"pilotSkill", skills},
            {"hexLW", "0,1,2,3"},    {"hexHW", "0,1,2"},
            {"weapLoc(11)", places}, {"tFacing", "Left Side,Front,Rear,Right Side"}};
        for (const auto& [name, items] : lists) {
            QCOMPARE(itemsOf(find<QComboBox>(name)), items);
        }
        const QStringList weapons = itemsOf(find<QComboBox>("weapName(11)")).split(',');
        QCOMPARE(weapons.size(), 42);
        QCOMPARE(weapons.mid(0, 2) << weapons.at(32) << weapons.last(),
                 QStringList({"LLaser", "MLaser", "LB-10X AC", "Sword"}));
        for (QComboBox* list : form()->findChildren<QComboBox*>()) {
            QCOMPARE(list->isEditable(), list->objectName().startsWith("hex")); // woods only
        }
    }

    // A new sheet opens in the setup presentation; Label6 and tFacing never show.
    void aNewSheetStartsAsDesigned() {
        QCOMPARE(w_->window.windowTitle(), QString("Vexolan"));
        QVERIFY(find("Setup")->isVisible() && find("Command1")->isVisible());
        QVERIFY(!find("Frame1")->isVisible() && !find("Frame4")->isVisible());
        const QSet<QString> selected{"Option1", "aMove1", "aHeat0", "tMove0", "tOpenHex0"};
        for (QRadioButton* option : form()->findChildren<QRadioButton*>()) {
            QCOMPARE(option->isChecked(), selected.contains(option->objectName()));
        }
        for (QCheckBox* box : form()->findChildren<QCheckBox*>()) {
            QCOMPARE(box->checkState(),
                     box->objectName() == "tAdjHex0" ? Qt::PartiallyChecked : Qt::Unchecked);
        }
        QCOMPARE(find<QComboBox>("gunSkill")->currentIndex(), -1);
        QCOMPARE(find<QComboBox>("hexHW")->currentText(), QString("0"));
        QVERIFY(find<QLineEdit>("range1")->isReadOnly() &&
                find<QLineEdit>("toHit(11)")->isReadOnly());
        click(find<QPushButton>("Command5"));
        QVERIFY(find("Frame1")->isVisible() && find("Frame4")->isVisible());
        QVERIFY(find("Label6")->isHidden() && find("tFacing")->isHidden());
    }

    void resizingLeavesTheControlsInPlace() {
        const auto places = [this] {
            QStringList all;
            for (QWidget* widget : form()->findChildren<QWidget*>()) {
                all << placeOf(widget);
            }
            return all;
        };
        const QStringList before = places();
        for (const QSize size : {QSize(1000, 700), QSize(400, 300)}) {
            w_->window.resize(size);
            QCOMPARE(w_->window.size(), size);
            QCOMPARE(places(), before);
        }
    }

    // Framed fields, lists and buttons that share a container never cover one another.
    // (Option buttons and check boxes draw no frame: their 375-high rows may share a pixel.)
    void noTwoControlsOverlap() {
        QList<QWidget*> framed;
        for (QWidget* widget : form()->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() &&
                QStringList{"QLineEdit", "QComboBox", "QPushButton", "QSlider"}.contains(
                    widget->metaObject()->className())) {
                framed << widget;
            }
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

    void everyCaptionShowsWhole() {
        for (QWidget* widget : form()->findChildren<QWidget*>()) {
            QVERIFY2(captionOf(widget).isEmpty() ||
                         (captionFits(*widget) && widget->font().pixelSize() >= 9),
                     qPrintable(widget->objectName()));
        }
        QLabel tooNarrow("Gunnery Skill (Required)");
        tooNarrow.setGeometry(0, 0, 40, 17);
        QVERIFY(!captionFits(tooNarrow));
    }

    // In both presentations nothing a screen-reader user can reach is nameless, and Tab walks
    // the designed order over what can be seen, then every other field once, back to the
    // start; every button in sight is on the way, the attacker panel under the setup is not.
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

            QStringList expected;
            for (const QString& name : DesignedTabOrder) {
                if (takesTabNow(find(name))) {
                    expected << name;
                }
            }
            QCOMPARE(expected.contains("mechName"), !sheetShown);
            QCOMPARE(expected.contains("Slider1"), sheetShown);
            const QStringList circle = tabCircle(find(expected.first()));
            QCOMPARE(circle.mid(0, expected.size()), expected);
            QSet<QString> focusable;
            for (QWidget* widget : form()->findChildren<QWidget*>()) {
                if (!widget->objectName().isEmpty() && takesTabNow(widget)) {
                    focusable << widget->objectName();
                }
            }
            QCOMPARE(QSet<QString>(circle.begin(), circle.end()), focusable);
            QCOMPARE(focusable.size(), circle.size());
            for (QWidget* widget : form()->findChildren<QWidget*>()) {
                QVERIFY2(!qobject_cast<QAbstractButton*>(widget) || !widget->isVisible() ||
                             circle.contains(widget->objectName()),
                         qPrintable(widget->objectName()));
            }
        }
    }

    void menusCarryTheirCaptionsAndMnemonics() {
        auto* help = find<QMenu>("Help");
        QStringList captions;
        for (QAction* entry : w_->window.menuBar()->actions() + help->actions()) {
            captions << entry->text();
        }
        QCOMPARE(captions.join(','),
                 QString("&New Mech,&Edit Mech,&Help,&Contents,&About Vexolan"));
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
    }

    void tickingAShoulderGraysTheArmsActuators() {
        click(find<QCheckBox>("dmgShoulder1"));
        QCOMPARE(checkState("dmgUpperAct1"), Qt::PartiallyChecked);
        QCOMPARE(checkState("dmgLowerAct1"), Qt::PartiallyChecked);
        // The model's rule for a click on a grayed box shows, not the widget's next state.
        click(find<QCheckBox>("dmgUpperAct1"));
        QCOMPARE(model().dmgUpperAct1.value(), 1);
        QCOMPARE(checkState("dmgUpperAct1"), Qt::Checked);
    }

    // The names make the title; Done and "&Edit Mech" switch the panels; the slider shows its
    // range and, at 1, an adjacent target.
    void setupPanelAndSlider() {
        QTest::keyClicks(find<QLineEdit>("pilotName"), "Kai");
        QTest::keyClicks(find<QLineEdit>("mechName"), "Atlas");
        QCOMPARE(w_->window.windowTitle(), QString("Kai:Atlas"));
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        QVERIFY(!find("Setup")->isVisible() && find("Frame1")->isVisible());
        QCOMPARE(text("gunSkillText"), QString("4"));
        slideTo(find<QSlider>("Slider1"), 1);
        QCOMPARE(text("range1"), QString("1"));
        QCOMPARE(checkState("tAdjHex0"), Qt::Checked);
        slideTo(find<QSlider>("Slider1"), 2);
        QCOMPARE(text("range1"), QString("2"));
        QCOMPARE(checkState("tAdjHex0"), Qt::Unchecked);
        QTest::keyClick(&w_->window, Qt::Key_E, Qt::AltModifier);
        QVERIFY(find("Setup")->isVisible() && !find("Frame1")->isVisible());
    }

    // Calculate writes the row with its explanation as a tip, and the total heat; Declare,
    // the user's edit and Copy reach the clipboard; Clear empties the results on screen.
    void calculateDeclareCopyAndClear() {
        pick(find<QComboBox>("weapName(0)"), "MLaser");
        QCOMPARE(rowTexts(0) + rowTexts(1), QString("0|3|6|9|5||||||"));
        click(find<QPushButton>("Command1"));
        QCOMPARE(
            w_->fake.messageBox.shown,
            std::vector<std::string>{"Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."});
        QCOMPARE(rowTexts(0), QString("0|3|6|9|5|"));

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
        click(find<QPushButton>("Command4"));
        auto* declaration = find<QPlainTextEdit>("Text13");
        QCOMPARE(declaration->toPlainText(), QString("  MLaser@9"));
        declaration->moveCursor(QTextCursor::End);
        QTest::keyClicks(declaration, "!");
        click(find<QPushButton>("Command2"));
        QCOMPARE(w_->fake.clipboard.text, std::optional<std::string>("  MLaser@9!"));

        click(find<QPushButton>("Command3"));
        QCOMPARE(rowTexts(0) + text("Text12") + declaration->toPlainText() +
                     find("toHit(0)")->toolTip(),
                 QString("0|3|6|9|5|"));
        QCOMPARE(checkState("fireCheck(0)"), Qt::Unchecked);
        QVERIFY(find<QRadioButton>("aMove1")->isChecked() &&
                find<QRadioButton>("tMove0")->isChecked());
    }

    // Refreshing the widgets raises no notification: the model sees only the user's actions.
    void refreshingNeverActsAsTheUser() {
        int titleChanges = 0;
        connect(&w_->window, &QWidget::windowTitleChanged, this, [&] { ++titleChanges; });
        QSignalSpy moves(find<QSlider>("Slider1"), &QSlider::valueChanged);
        click(find<QPushButton>("Command5"));
        slideTo(find<QSlider>("Slider1"), 3);
        click(find<QCheckBox>("dmgShoulder1"));
        click(find<QPushButton>("Command3"));
        // What a handler writes anywhere shows once the user's action is done.
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
        QCOMPARE(model().Check2.value(), 1);
        QCOMPARE(second->sheet().Check2.value(), 0);
        QCOMPARE(second->findChild<QCheckBox*>("Check2")->checkState(), Qt::Unchecked);
        second->close();
        QTRY_VERIFY(second.isNull());
    }

    // The program ends when its last sheet closes, and not before, whatever else is open.
    void closingTheLastSheetEndsTheProgram() {
        FakeSheetWindow second;
        second.window.show();
        QWidget notASheet; // such as the help window
        notASheet.show();
        bool runningAfterTheFirstClosed = false;
        QTimer::singleShot(0, &notASheet, [&] {
            second.window.close();
            QTimer::singleShot(50, &notASheet, [&] {
                runningAfterTheFirstClosed = true;
                w_->window.close();
            });
        });
        QTimer::singleShot(2000, &notASheet, [] { QCoreApplication::exit(-1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(runningAfterTheFirstClosed);
    }

    void theQtMessageBoxAndClipboard() {
        platform::QtMessageBox messageBox(&w_->window);
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
        platform::QtClipboard clipboard;
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

    std::unique_ptr<FakeSheetWindow> w_;
};

QTEST_MAIN(SheetWindowTest)
#include "sheet_window_test.moc"
