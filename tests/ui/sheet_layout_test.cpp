// The sheet window as built: every control by name at its place in its panel, with its
// caption, list entries and starting state; the menus, the keyboard order, the spoken names,
// and captions that show whole.

#include "ui/sheet_test_helper.h"

#include "ui/caption_fit.h"
#include "ui/program_look.h"
#include "ui/sheet_form.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <set>

using sheettest::rowName;

namespace {

// A control's place in twips, as the window's design gives it.
struct Place {
    const char* name;
    const char* container; // "" for the client area
    int left, top, width, height;
    const char* caption;
};

// Every control outside the weapon rows.
const Place Places[] = {
    {"Setup", "", 120, 0, 6015, 3855, "SETUP"},
    {"Label18", "Setup", 360, 360, 1815, 255, "Mech Model"},
    {"mechName", "Setup", 360, 600, 1935, 285, ""},
    {"Label7", "Setup", 360, 960, 1815, 255, "Korvath Name"},
    {"pilotName", "Setup", 360, 1200, 1935, 285, ""},
    {"Label3", "Setup", 360, 1560, 1935, 255, "Gunnery Skill (Required)"},
    {"gunSkill", "Setup", 360, 1800, 735, 315, ""},
    {"Label17", "Setup", 360, 2280, 975, 255, "Piloting Skill"},
    {"pilotSkill", "Setup", 360, 2520, 735, 315, ""},
    {"Label21", "Setup", 2640, 360, 1815, 255, "Mech Type (Required)"},
    {"Option1", "Setup", 2640, 600, 1215, 195, "Inner Sphere"},
    {"Option2", "Setup", 2640, 840, 1695, 255, "Clan "},
    {"Label20", "Setup", 2640, 1200, 1815, 255, "Special Equipment"},
    {"Check2", "Setup", 2640, 1440, 1575, 255, "AMS"},
    {"Check3", "Setup", 2640, 1680, 1575, 255, "Artemis IV"},
    {"Check4", "Setup", 2640, 1920, 1935, 255, "Anti-Personnel Pods"},
    {"Check5", "Setup", 2640, 2160, 1575, 255, "c3 Master/Slave"},
    {"Check6", "Setup", 2640, 2400, 2055, 255, "LB-X Cluster Munitions"},
    {"Check7", "Setup", 2640, 2640, 1575, 255, "ECM Suite"},
    {"Command5", "Setup", 3720, 3120, 1215, 495, "Done"},
    {"Frame4", "", 120, 0, 5895, 3855, "ATTACKER"},
    {"Label2", "Frame4", 240, 240, 975, 255, "Gunnery Skill"},
    {"gunSkillText", "Frame4", 240, 480, 735, 285, ""},
    {"Frame8", "Frame4", 1560, 240, 4215, 735, "Range to Target"},
    {"range1", "Frame8", 240, 360, 615, 285, ""},
    {"Slider1", "Frame8", 960, 360, 2895, 255, ""},
    {"Frame5", "Frame4", 480, 960, 1695, 2775, "Movement"},
    {"aMove1", "Frame5", 120, 240, 1215, 375, "Stationary"},
    {"aMove2", "Frame5", 120, 600, 1215, 375, "Walked"},
    {"aMove3", "Frame5", 120, 960, 1215, 375, "Ran"},
    {"aMove4", "Frame5", 120, 1320, 1215, 375, "Jumped"},
    {"aProne1", "Frame5", 120, 1680, 1095, 255, "Prone"},
    {"aWater1", "Frame5", 120, 2040, 1455, 255, "In Lvl 1 Water"},
    {"Frame6", "Frame4", 2280, 960, 1935, 2775, "Damage"},
    {"dmgSensor1", "Frame6", 120, 240, 975, 255, "Sensors"},
    {"Label1", "Frame6", 120, 600, 1095, 255, "Right Arm"},
    {"dmgShoulder1", "Frame6", 120, 840, 1215, 255, "Shoulder"},
    {"dmgUpperAct1", "Frame6", 120, 1080, 1575, 255, "Upper Actuator"},
    {"dmgLowerAct1", "Frame6", 120, 1320, 1575, 255, "Lower Actuator"},
    {"Label12", "Frame6", 120, 1680, 1095, 255, "Left Arm"},
    {"dmgShoulder2", "Frame6", 120, 1920, 1215, 255, "Shoulder"},
    {"dmgUpperAct2", "Frame6", 120, 2160, 1575, 255, "Upper Actuator"},
    {"dmgLowerAct2", "Frame6", 120, 2400, 1575, 255, "Lower Actuator"},
    {"Frame7", "Frame4", 4320, 960, 1455, 2775, "Heat Level"},
    {"aHeat0", "Frame7", 120, 360, 855, 255, "0-7"},
    {"aHeat1", "Frame7", 120, 720, 1215, 255, "8-12"},
    {"aHeat2", "Frame7", 120, 1080, 1095, 255, "13-16"},
    {"aHeat3", "Frame7", 120, 1440, 1095, 255, "17-23"},
    {"aHeat4", "Frame7", 120, 1800, 975, 255, "24+"},
    {"Frame1", "", 6240, 0, 3855, 3855, "TARGET"},
    {"Frame2", "Frame1", 120, 360, 1335, 2535, "Movement"},
    {"tMove0", "Frame2", 240, 360, 855, 195, "0-2"},
    {"tMove1", "Frame2", 240, 675, 855, 195, "3-4"},
    {"tMove2", "Frame2", 240, 960, 855, 195, "5-6"},
    {"tMove3", "Frame2", 240, 1290, 855, 195, "7-9"},
    {"tMove4", "Frame2", 240, 1605, 855, 195, "10+"},
    {"tJump0", "Frame2", 240, 1920, 855, 195, "Jumped"},
    {"Frame3", "Frame1", 1680, 360, 1815, 3375, "Position"},
    {"tPartial0", "Frame3", 120, 240, 1575, 375, "Partial Cover"},
    {"tProne0", "Frame3", 120, 600, 1575, 375, "Prone"},
    {"tAdjHex0", "Frame3", 120, 1005, 1575, 375, "Adjacent Hex"},
    {"tImmobile0", "Frame3", 120, 1380, 1575, 375, "Immobile"},
    {"tOpenHex0", "Frame3", 120, 1800, 1575, 375, "In Open Hex"},
    {"tLW0", "Frame3", 120, 2160, 1575, 375, "In Light Woods"},
    {"tHW0", "Frame3", 120, 2520, 1575, 375, "In Heavy Woods"},
    {"tWater0", "Frame3", 120, 2880, 1575, 375, "In Lvl 1 Water"},
    {"Label6", "Frame1", 120, 3000, 1335, 255, "Facing"},
    {"tFacing", "Frame1", 120, 3240, 1335, 315, ""},
    {"Frame9", "", 240, 4440, 1695, 1815, "Intervening Terrain"},
    {"Label4", "Frame9", 240, 360, 1215, 255, "Light Woods"},
    {"hexLW", "Frame9", 240, 600, 735, 315, ""},
    {"Label5", "Frame9", 240, 1080, 1215, 255, "Heavy Woods"},
    {"hexHW", "Frame9", 240, 1320, 735, 315, ""},
    {"Label9", "", 2160, 4080, 855, 255, "Weapon"},
    {"Label10", "", 3600, 4080, 735, 255, "Location"},
    {"Label13", "", 4680, 4080, 495, 255, "Min"},
    {"Label14", "", 5400, 4080, 495, 255, "Short"},
    {"Label15", "", 6000, 4080, 495, 255, "Med"},
    {"Label16", "", 6600, 4080, 495, 255, "Long"},
    {"Label8", "", 7200, 4080, 615, 255, "Damage"},
    {"Label19", "", 8280, 4080, 495, 255, "To-Hit"},
    {"Label22", "", 9240, 3960, 1455, 255, "Check to Declare"},
    {"Check1", "", 9000, 3960, 255, 255, ""},
    {"Label11", "", 9600, 4440, 975, 375, "Total Heat"},
    {"Text12", "", 9600, 4680, 975, 285, ""},
    {"Command1", "", 9480, 5520, 975, 375, "Calculate"},
    {"Command4", "", 10560, 5520, 975, 375, "Declare"},
    {"Text13", "", 9360, 6000, 2175, 1215, ""},
    {"Command2", "", 9480, 7320, 975, 375, "Copy"},
    {"Command3", "", 10560, 7320, 975, 375, "Clear"},
};

// One weapon-row column: left, width and height in twips.
struct RowColumn {
    const char* name;
    int left, width, height;
};

const RowColumn RowColumns[] = {
    {"weapName", 2040, 1335, 315}, {"weapLoc", 3480, 975, 315}, {"minRange", 4560, 615, 285},
    {"sRange", 5280, 600, 285},    {"mRange", 5880, 600, 285},  {"lRange", 6480, 615, 285},
    {"Damage", 7200, 615, 285},    {"toHit", 8040, 855, 285},
};

QRect pixelsOf(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
        return box->title();
    }
    return {};
}

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

QStringList numbers(int first, int last) {
    QStringList texts;
    for (int n = first; n <= last; ++n) {
        texts << QString::number(n);
    }
    return texts;
}

bool interactive(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QSlider*>(widget);
}

} // namespace

class SheetLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { sheettest::useProgramLook(); }

    void init() {
        sheet_ = std::make_unique<FakeSheetWindow>();
        sheet_->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet_->window));
    }
    void cleanup() { sheet_.reset(); }

    void everyControlStandsInItsContainerAtItsPlace() {
        for (const Place& place : Places) {
            auto* widget = find<QWidget>(place.name);
            QVERIFY2(widget, place.name);
            const QString container =
                *place.container ? QString(place.container) : QString("frmFire");
            QVERIFY2(widget->parentWidget() != nullptr, place.name);
            QCOMPARE(widget->parentWidget()->objectName(), container);
            QCOMPARE(widget->geometry(),
                     pixelsOf(place.left, place.top, place.width, place.height));
            QCOMPARE(captionOf(widget), QString(place.caption));
        }
    }

    // Framed fields, lists and buttons that share a container never cover one another.
    // (Option buttons and check boxes draw no frame: their 375-high rows may share a pixel.)
    void noTwoControlsOverlap() {
        QList<QWidget*> controls;
        for (QWidget* widget : sheet_->window.findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                qobject_cast<QPushButton*>(widget) || qobject_cast<QSlider*>(widget)) {
                if (!widget->objectName().isEmpty()) {
                    controls.append(widget);
                }
            }
        }
        QVERIFY(controls.size() > 90);
        for (int a = 0; a < controls.size(); ++a) {
            for (int b = a + 1; b < controls.size(); ++b) {
                if (controls[a]->parentWidget() != controls[b]->parentWidget()) {
                    continue;
                }
                QVERIFY2(!controls[a]->geometry().intersects(controls[b]->geometry()),
                         qPrintable(controls[a]->objectName() + " overlaps " +
                                    controls[b]->objectName()));
            }
        }
    }

    void weaponRowsStepDownByRowPitch() {
        for (int row = 0; row < 12; ++row) {
            const int top = 4320 + 360 * row;
            for (const RowColumn& column : RowColumns) {
                auto* widget = find<QWidget>(rowName(column.name, row));
                QVERIFY2(widget, qPrintable(rowName(column.name, row)));
                QCOMPARE(widget->parentWidget()->objectName(), QString("frmFire"));
                QCOMPARE(widget->geometry(),
                         pixelsOf(column.left, top, column.width, column.height));
            }
            // The fire boxes of rows 1 to 6 are 315 high, the others 195, each centred on
            // the row's 315-high lists.
            auto* fire = find<QCheckBox>(rowName("fireCheck", row));
            QVERIFY(fire);
            const int height = row >= 1 && row <= 6 ? 315 : 195;
            QCOMPARE(fire->geometry(), pixelsOf(9000, top + (315 - height) / 2, 255, height));
            QVERIFY(fire->text().isEmpty());
        }
        QCOMPARE(find<QWidget>(rowName("weapName", 11))->y(), 8280 / 15);
        QVERIFY(find<QWidget>("weapName(12)") == nullptr);
    }

    void theLineSeparatesDamageFromToHit() {
        auto* line = find<QFrame>("Line1");
        QVERIFY(line);
        QCOMPARE(line->frameShape(), QFrame::VLine);
        QCOMPARE(line->x(), 7920 / 15);
        QCOMPARE(line->y(), 4080 / 15);
        QCOMPARE(line->y() + line->height(), 8520 / 15);
        QVERIFY(line->x() > find<QWidget>("Damage(0)")->geometry().right());
        QVERIFY(line->x() + line->width() <= find<QWidget>("toHit(0)")->x());
    }

    void clientAreaIsTheSheetsSize() {
        QWidget* form = sheet_->window.centralWidget();
        QCOMPARE(form->objectName(), QString("frmFire"));
        QCOMPARE(form->size(), QSize(773, 576));
        for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden()) {
                QVERIFY2(form->rect().contains(child->geometry()), qPrintable(child->objectName()));
            }
        }
    }

    void theWindowStaysResizableAndTheControlsStay() {
        QVERIFY(!(sheet_->window.windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(sheet_->window.minimumSize() != sheet_->window.maximumSize());
        const QRect before = find<QWidget>("Command3")->geometry();
        for (const QSize size : {QSize(1000, 700), QSize(400, 300)}) {
            sheet_->window.resize(size);
            QCOMPARE(sheet_->window.size(), size);
            QCOMPARE(find<QWidget>("Command3")->geometry(), before);
        }
    }

    void headingsAreUnderlinedAndOthersAreNot() {
        for (const char* name : {"Label21", "Label20", "Label22"}) {
            QVERIFY2(find<QLabel>(name)->font().underline(), name);
        }
        for (const char* name : {"Label18", "Label9", "Label11", "Label2"}) {
            QVERIFY2(!find<QLabel>(name)->font().underline(), name);
        }
    }

    void listsHoldTheirEntriesInOrder() {
        QCOMPARE(itemsOf(find<QComboBox>("gunSkill")), numbers(0, 12));
        QCOMPARE(itemsOf(find<QComboBox>("pilotSkill")), numbers(0, 12));
        QCOMPARE(itemsOf(find<QComboBox>("hexLW")), numbers(0, 3));
        QCOMPARE(itemsOf(find<QComboBox>("hexHW")), numbers(0, 2));
        QCOMPARE(itemsOf(find<QComboBox>("tFacing")),
                 QStringList({"Left Side", "Front", "Rear", "Right Side"}));
        const QStringList locations{"RA", "RL", "RT", "CT", "LT", "LL", "LA", "H"};
        for (int row = 0; row < 12; ++row) {
            QCOMPARE(itemsOf(find<QComboBox>(rowName("weapLoc", row))), locations);
            const QStringList weapons = itemsOf(find<QComboBox>(rowName("weapName", row)));
            QCOMPARE(weapons.size(), 42);
            QCOMPARE(weapons.first(), QString("LLaser"));
            QCOMPARE(weapons.indexOf("LB-10X AC"), 32);
            QCOMPARE(weapons.last(), QString("Sword"));
        }
    }

    void onlyTheWoodsListsTakeTyping() {
        for (QComboBox* list : sheet_->window.findChildren<QComboBox*>()) {
            const bool woods = list->objectName() == "hexLW" || list->objectName() == "hexHW";
            QCOMPARE(list->isEditable(), woods);
        }
    }

    void aNewSheetStartsInTheSetupPresentation() {
        QCOMPARE(sheet_->window.windowTitle(), QString("Vexolan"));
        QVERIFY(find<QWidget>("Setup")->isVisible());
        QVERIFY(!find<QWidget>("Frame1")->isVisible());
        QVERIFY(find<QWidget>("Frame4")->isVisible());
        QVERIFY(find<QWidget>("Frame9")->isVisible());
        QVERIFY(find<QWidget>("Command1")->isVisible());
        QVERIFY(find<QWidget>("weapName(11)")->isVisible());
    }

    void theSetupPanelCoversTheAttackerPanel() {
        QWidget* form = sheet_->window.centralWidget();
        auto* setup = find<QGroupBox>("Setup");
        // A point inside both panels, and on the gunnery field of the attacker panel.
        const QPoint point = find<QWidget>("gunSkillText")->mapTo(form, QPoint(5, 5));
        QWidget* top = form->childAt(point);
        QVERIFY(top != nullptr);
        QVERIFY(top == setup || setup->isAncestorOf(top));
        QVERIFY(setup->autoFillBackground());
        QVERIFY(setup->palette().color(QPalette::Window) !=
                sheet_->window.palette().color(QPalette::Window));
    }

    void labelSixAndFacingNeverShow() {
        find<QPushButton>("Command5")->click();
        QVERIFY(find<QWidget>("Frame1")->isVisible());
        QVERIFY(find<QWidget>("Label6")->isHidden());
        QVERIFY(find<QWidget>("tFacing")->isHidden());
        QVERIFY(!find<QWidget>("tFacing")->isEnabled());
        QCOMPARE(find<QComboBox>("tFacing")->currentIndex(), -1);
    }

    void optionsAndBoxesStartAsTheSheetDescribes() {
        const std::set<QString> selected{"Option1", "aMove1", "aHeat0", "tMove0", "tOpenHex0"};
        for (QRadioButton* option : sheet_->window.findChildren<QRadioButton*>()) {
            QCOMPARE(option->isChecked(), selected.count(option->objectName()) == 1);
        }
        for (QCheckBox* box : sheet_->window.findChildren<QCheckBox*>()) {
            QVERIFY(box->isTristate());
            const Qt::CheckState expected =
                box->objectName() == "tAdjHex0" ? Qt::PartiallyChecked : Qt::Unchecked;
            QCOMPARE(box->checkState(), expected);
        }
    }

    void fieldsAndListsStartEmpty() {
        for (const char* name : {"mechName", "pilotName", "gunSkillText", "range1", "Text12"}) {
            QVERIFY2(find<QLineEdit>(name)->text().isEmpty(), name);
        }
        QVERIFY(find<QPlainTextEdit>("Text13")->toPlainText().isEmpty());
        for (const char* name : {"gunSkill", "pilotSkill"}) {
            QCOMPARE(find<QComboBox>(name)->currentIndex(), -1);
            QVERIFY(find<QComboBox>(name)->currentText().isEmpty());
        }
        QCOMPARE(find<QComboBox>("hexLW")->currentText(), QString("0"));
        QCOMPARE(find<QComboBox>("hexHW")->currentText(), QString("0"));
        for (int row = 0; row < 12; ++row) {
            QCOMPARE(find<QComboBox>(rowName("weapName", row))->currentIndex(), -1);
            QCOMPARE(find<QComboBox>(rowName("weapLoc", row))->currentIndex(), -1);
            for (const char* column :
                 {"minRange", "sRange", "mRange", "lRange", "Damage", "toHit"}) {
                QVERIFY(find<QLineEdit>(rowName(column, row))->text().isEmpty());
            }
        }
        QCOMPARE(find<QSlider>("Slider1")->maximum(), 24);
    }

    void readOnlyDisabledAndEditableFields() {
        for (const char* name : {"range1", "Text12"}) {
            QVERIFY2(find<QLineEdit>(name)->isReadOnly(), name);
        }
        QVERIFY(!find<QLineEdit>("gunSkillText")->isEnabled());
        QVERIFY(!find<QLineEdit>("mechName")->isReadOnly());
        QVERIFY(!find<QPlainTextEdit>("Text13")->isReadOnly());
        for (int row = 0; row < 12; ++row) {
            QVERIFY(find<QLineEdit>(rowName("Damage", row))->isReadOnly());
            QVERIFY(find<QLineEdit>(rowName("toHit", row))->isReadOnly());
            QVERIFY(!find<QLineEdit>(rowName("minRange", row))->isReadOnly());
            QVERIFY(!find<QLineEdit>(rowName("lRange", row))->isReadOnly());
        }
        // The declaration wraps on screen, and Tab leaves it rather than typing a tab.
        auto* declaration = find<QPlainTextEdit>("Text13");
        QCOMPARE(declaration->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(declaration->tabChangesFocus());
    }

    void menuBarHoldsTwoCommandsAndTheHelpDropDown() {
        QMenuBar* bar = sheet_->window.menuBar();
        QStringList captions;
        for (QAction* action : bar->actions()) {
            captions << action->text();
        }
        QCOMPARE(captions, QStringList({"&New Mech", "&Edit Mech", "&Help"}));
        QCOMPARE(find<QAction>("mnuNew")->menu(), nullptr);
        QCOMPARE(find<QAction>("mnuEdit")->menu(), nullptr);
        auto* help = find<QMenu>("Help");
        QVERIFY(help);
        QCOMPARE(help->menuAction(), bar->actions().at(2));
        QCOMPARE(help->actions().size(), 2);
        QCOMPARE(help->actions().at(0), find<QAction>("mnuHelp"));
        QCOMPARE(help->actions().at(0)->text(), QString("&Contents"));
        QCOMPARE(help->actions().at(1), find<QAction>("mnuAbout"));
        QCOMPARE(help->actions().at(1)->text(), QString("&About Vexolan"));
    }

    void tabFollowsTheSheetsOrder() {
        const QStringList listed = {
            "mechName",     "pilotName",    "gunSkill",     "pilotSkill",    "Option1",
            "Option2",      "Check2",       "Check3",       "Check4",        "Check5",
            "Check6",       "Check7",       "Command5",     "Slider1",       "aMove1",
            "aMove2",       "aMove3",       "aMove4",       "aProne1",       "aWater1",
            "dmgSensor1",   "dmgShoulder1", "dmgUpperAct1", "dmgLowerAct1",  "dmgShoulder2",
            "dmgUpperAct2", "dmgLowerAct2", "aHeat0",       "aHeat1",        "aHeat2",
            "aHeat3",       "aHeat4",       "tMove0",       "tMove1",        "tMove2",
            "tMove3",       "tMove4",       "tJump0",       "tPartial0",     "tProne0",
            "tImmobile0",   "tOpenHex0",    "tLW0",         "tHW0",          "tWater0",
            "hexLW",        "hexHW",        "Check1",       "fireCheck(0)",  "fireCheck(1)",
            "fireCheck(2)", "fireCheck(3)", "fireCheck(4)", "fireCheck(5)",  "fireCheck(6)",
            "fireCheck(7)", "fireCheck(8)", "fireCheck(9)", "fireCheck(10)", "fireCheck(11)",
            "Command1",     "Command4",     "Command2",     "Command3",      "tAdjHex0"};
        const QStringList chain = focusChain();
        QCOMPARE(chain.mid(0, listed.size()), listed);
        // After them come every other field and the rows' lists, each once.
        QStringList all;
        for (QWidget* widget : sheet_->window.centralWidget()->findChildren<QWidget*>()) {
            if (interactive(widget) && !widget->objectName().isEmpty()) {
                all << widget->objectName();
            }
        }
        QCOMPARE(QSet<QString>(chain.begin(), chain.end()), QSet<QString>(all.begin(), all.end()));
        QCOMPARE(chain.size(), all.size());
        QCOMPARE(chain.mid(listed.size(), 3), QStringList({"range1", "Text12", "Text13"}));
    }

    void tabKeyWalksTheSetupPanel() {
        find<QWidget>("mechName")->setFocus();
        QTRY_VERIFY(find<QWidget>("mechName")->hasFocus());
        for (const char* next : {"pilotName", "gunSkill", "pilotSkill", "Option1", "Option2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
    }

    void everyInteractiveControlHasASpokenName() {
        for (QWidget* widget : sheet_->window.centralWidget()->findChildren<QWidget*>()) {
            if (interactive(widget) && !widget->objectName().isEmpty()) {
                QVERIFY2(!widget->accessibleName().trimmed().isEmpty(),
                         qPrintable(widget->objectName()));
            }
        }
        const std::pair<const char*, const char*> named[] = {
            {"weapName(0)", "Row 1 Weapon"},
            {"weapLoc(0)", "Row 1 Location"},
            {"minRange(0)", "Row 1 Min"},
            {"sRange(0)", "Row 1 Short"},
            {"mRange(0)", "Row 1 Med"},
            {"lRange(0)", "Row 1 Long"},
            {"Damage(0)", "Row 1 Damage"},
            {"toHit(0)", "Row 1 To-Hit"},
            {"fireCheck(0)", "Row 1 Declare"},
            {"fireCheck(11)", "Row 12 Declare"},
            {"weapName(11)", "Row 12 Weapon"},
            {"Check1", "Declare all rows"},
            {"gunSkill", "Gunnery Skill"},
            {"pilotSkill", "Piloting Skill"},
            {"mechName", "Mech Model"},
            {"pilotName", "Korvath Name"},
            {"hexLW", "Light Woods"},
            {"hexHW", "Heavy Woods"},
            {"range1", "Range"},
            {"Slider1", "Range to Target"},
            {"Text12", "Total Heat"},
            {"Text13", "Declaration"},
            {"gunSkillText", "Gunnery Skill"},
            {"Command1", "Calculate"},
            {"aMove1", "Stationary"},
            {"Option2", "Clan"},
        };
        for (const auto& [name, spoken] : named) {
            QCOMPARE(find<QWidget>(name)->accessibleName(), QString(spoken));
        }
    }

    void everyCaptionShowsWhole() {
        for (QWidget* widget : sheet_->window.centralWidget()->findChildren<QWidget*>()) {
            if (!captionOf(widget).isEmpty()) {
                QVERIFY2(captionFits(*widget), qPrintable(widget->objectName()));
                QVERIFY2(widget->font().pixelSize() >= 9, qPrintable(widget->objectName()));
            }
        }
        // Captions that fit as they are keep the sheet's font.
        QCOMPARE(find<QWidget>("Command1")->font(), sheetFont());
        QCOMPARE(find<QWidget>("aMove3")->font(), sheetFont());
    }

    void captionFitNarrowsOnlyWhatDoesNotFit() {
        QLabel label("Gunnery Skill (Required)");
        label.setFont(sheetFont());
        label.setGeometry(0, 0, 110, 17);
        QVERIFY(!captionFits(label));
        fitCaption(label);
        QVERIFY(captionFits(label));
        QVERIFY(label.font() != sheetFont());

        QCheckBox box("AMS");
        box.setFont(sheetFont());
        box.setGeometry(0, 0, 105, 17);
        QVERIFY(captionFits(box));
        fitCaption(box);
        QCOMPARE(box.font(), sheetFont());
    }

    void theWindowCarriesTheProgramIcon() {
        const QIcon icon = sheet_->window.windowIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = programIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

private:
    template <typename T> T* find(const QString& name) const { return sheet_->find<T>(name); }

    // The names of the form's controls in the order the Tab key visits them, from the
    // first field on.
    QStringList focusChain() const {
        QStringList chain;
        QWidget* start = find<QWidget>("mechName");
        QWidget* widget = start;
        do {
            if (interactive(widget) && !widget->objectName().isEmpty() &&
                sheet_->window.centralWidget()->isAncestorOf(widget) &&
                !chain.contains(widget->objectName())) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != start);
        return chain;
    }

    std::unique_ptr<FakeSheetWindow> sheet_;
};

QTEST_MAIN(SheetLayoutTest)
#include "sheet_layout_test.moc"
