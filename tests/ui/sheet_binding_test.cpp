// The binding driven through the real widgets: each user action reaches the model, and the
// handlers' changes to neighbouring controls come back onto the screen.

#include "ui/sheet_test_helper.h"

#include "ui/sheet_binding.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using sheettest::click;
using sheettest::clickMenu;
using sheettest::pick;
using sheettest::rowName;
using sheettest::slideTo;

namespace {
const char* const GunneryMessage = "Please Enter Pilot's Gunnery Skill. Click [Edit Mech].";
}

class SheetBindingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { sheettest::useProgramLook(); }

    void init() {
        sheet_ = std::make_unique<FakeSheetWindow>();
        sheet_->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet_->window));
    }
    void cleanup() { sheet_.reset(); }

    void tickingAShoulderGraysBothActuatorsOnScreen() {
        click(find<QCheckBox>("dmgUpperAct1"));
        QCOMPARE(model().dmgUpperAct1.value(), 1);
        QCOMPARE(find<QCheckBox>("dmgUpperAct1")->checkState(), Qt::Checked);

        click(find<QCheckBox>("dmgShoulder1"));
        QCOMPARE(model().dmgShoulder1.value(), 1);
        QCOMPARE(find<QCheckBox>("dmgShoulder1")->checkState(), Qt::Checked);
        QCOMPARE(find<QCheckBox>("dmgUpperAct1")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(find<QCheckBox>("dmgLowerAct1")->checkState(), Qt::PartiallyChecked);
        // The other arm is untouched.
        QCOMPARE(find<QCheckBox>("dmgUpperAct2")->checkState(), Qt::Unchecked);

        click(find<QCheckBox>("dmgShoulder1"));
        QCOMPARE(find<QCheckBox>("dmgUpperAct1")->checkState(), Qt::Unchecked);
        QCOMPARE(find<QCheckBox>("dmgLowerAct1")->checkState(), Qt::Unchecked);
    }

    // The widget would step from grayed to ticked or unticked on its own; the model's rule
    // (a click on a grayed box ticks it) is what shows.
    void aClickOnAGrayedBoxShowsTheModelsValue() {
        click(find<QCheckBox>("dmgShoulder2"));
        auto* upper = find<QCheckBox>("dmgUpperAct2");
        QCOMPARE(upper->checkState(), Qt::PartiallyChecked);
        click(upper);
        QCOMPARE(model().dmgUpperAct2.value(), 1);
        QCOMPARE(upper->checkState(), Qt::Checked);
        click(upper);
        QCOMPARE(model().dmgUpperAct2.value(), 0);
        QCOMPARE(upper->checkState(), Qt::Unchecked);
    }

    void movingTheSliderShowsTheRangeAndAdjacency() {
        click(find<QPushButton>("Command5"));
        auto* slider = find<QSlider>("Slider1");
        slideTo(slider, 1);
        QCOMPARE(model().Slider1.position(), 1);
        QCOMPARE(find<QLineEdit>("range1")->text(), QString("1"));
        QCOMPARE(find<QCheckBox>("tAdjHex0")->checkState(), Qt::Checked);
        slideTo(slider, 2);
        QCOMPARE(find<QLineEdit>("range1")->text(), QString("2"));
        QCOMPARE(find<QCheckBox>("tAdjHex0")->checkState(), Qt::Unchecked);
    }

    void theAdjacentBoxUndoesTheUsersClick() {
        click(find<QPushButton>("Command5"));
        auto* adjacent = find<QCheckBox>("tAdjHex0");
        click(adjacent);
        QCOMPARE(model().tAdjHex0.value(), 0);
        QCOMPARE(adjacent->checkState(), Qt::Unchecked);
    }

    void optionButtonsShowTheGroupsOneSelection() {
        click(find<QPushButton>("Command5"));
        click(find<QRadioButton>("tWater0"));
        QVERIFY(model().tWater0.selected());
        QVERIFY(find<QRadioButton>("tWater0")->isChecked());
        QVERIFY(!find<QRadioButton>("tOpenHex0")->isChecked());
        // Level-1 water ticks partial cover.
        QCOMPARE(find<QCheckBox>("tPartial0")->checkState(), Qt::Checked);
        // Clicking the selected button leaves it selected.
        click(find<QRadioButton>("tWater0"));
        QVERIFY(find<QRadioButton>("tWater0")->isChecked());
        click(find<QRadioButton>("tOpenHex0"));
        QVERIFY(!find<QRadioButton>("tWater0")->isChecked());
        QCOMPARE(find<QCheckBox>("tPartial0")->checkState(), Qt::Checked);
    }

    void doneAndEditMechSwitchThePanels() {
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        QVERIFY(!find<QWidget>("Setup")->isVisible());
        QVERIFY(find<QWidget>("Frame1")->isVisible());
        QVERIFY(find<QWidget>("Frame4")->isVisible());
        QCOMPARE(find<QLineEdit>("gunSkillText")->text(), QString("4"));

        clickMenu(sheet_->window, "mnuEdit");
        QVERIFY(find<QWidget>("Setup")->isVisible());
        QVERIFY(!find<QWidget>("Frame1")->isVisible());
        pick(find<QComboBox>("gunSkill"), "5");
        click(find<QPushButton>("Command5"));
        QCOMPARE(find<QLineEdit>("gunSkillText")->text(), QString("5"));
    }

    void typingNamesSetsTheTitle() {
        QTest::keyClicks(find<QLineEdit>("pilotName"), "Kai");
        QCOMPARE(model().pilotName.text(), std::string("Kai"));
        QCOMPARE(sheet_->window.windowTitle(), QString("Kai:"));
        QTest::keyClicks(find<QLineEdit>("mechName"), "Atlas");
        QCOMPARE(sheet_->window.windowTitle(), QString("Kai:Atlas"));
        auto* pilot = find<QLineEdit>("pilotName");
        pilot->selectAll();
        QTest::keyClick(pilot, Qt::Key_Delete);
        QCOMPARE(sheet_->window.windowTitle(), QString(":Atlas"));
    }

    void pickingAWeaponFillsTheRowOnScreen() {
        pick(find<QComboBox>(rowName("weapName", 0)), "MLaser");
        QCOMPARE(model().weapName[0].text(), std::string("MLaser"));
        QCOMPARE(find<QLineEdit>(rowName("minRange", 0))->text(),
                 QString::fromStdString(model().minRange[0].text()));
        QCOMPARE(find<QLineEdit>(rowName("minRange", 0))->text(), QString("0"));
        QCOMPARE(find<QLineEdit>(rowName("sRange", 0))->text(), QString("3"));
        QCOMPARE(find<QLineEdit>(rowName("mRange", 0))->text(), QString("6"));
        QCOMPARE(find<QLineEdit>(rowName("lRange", 0))->text(), QString("9"));
        QVERIFY(!find<QLineEdit>(rowName("Damage", 0))->text().isEmpty());
        // Rows without a weapon stay empty.
        QVERIFY(find<QLineEdit>(rowName("minRange", 1))->text().isEmpty());
    }

    void calculateWritesTheRowsAndTotalHeat() {
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        pick(find<QComboBox>(rowName("weapName", 0)), "MLaser");
        pick(find<QComboBox>(rowName("weapName", 2)), "LRM20");
        click(find<QCheckBox>(rowName("fireCheck", 0)));
        slideTo(find<QSlider>("Slider1"), 5);
        click(find<QPushButton>("Command1"));
        QVERIFY(sheet_->fake.messageBox.shown.empty());
        // Medium range for the laser: 4 + 2; the missiles are inside their minimum range of 6.
        QCOMPARE(find<QLineEdit>(rowName("toHit", 0))->text(), QString("6"));
        QCOMPARE(find<QLineEdit>(rowName("toHit", 2))->text(), QString("6"));
        QVERIFY(find<QLineEdit>(rowName("toHit", 1))->text().isEmpty());
        QCOMPARE(find<QLineEdit>("Text12")->text(), QString::fromStdString(model().Text12.text()));
        QVERIFY(!find<QLineEdit>("Text12")->text().isEmpty());
    }

    void longResultsShowFromTheirStartWithTheWholeTextAsATip() {
        pick(find<QComboBox>("gunSkill"), "4");
        click(find<QPushButton>("Command5"));
        pick(find<QComboBox>(rowName("weapName", 0)), "MLaser");
        pick(find<QComboBox>(rowName("weapName", 1)), "SRM6");
        slideTo(find<QSlider>("Slider1"), 10);
        click(find<QPushButton>("Command1"));
        auto* result = find<QLineEdit>(rowName("toHit", 0));
        QCOMPARE(result->text(), QString("Out of Range"));
        QCOMPARE(result->cursorPosition(), 0);
        QCOMPARE(result->toolTip(), QString("Out of Range"));
        auto* damage = find<QLineEdit>(rowName("Damage", 1));
        QCOMPARE(damage->cursorPosition(), 0);
        QCOMPARE(damage->toolTip(), damage->text());
        // Fields that take typing carry no tip.
        QVERIFY(find<QLineEdit>(rowName("minRange", 1))->toolTip().isEmpty());
    }

    void calculateWithoutGunneryGoesToTheFakeMessageBox() {
        click(find<QPushButton>("Command1"));
        QCOMPARE(sheet_->fake.messageBox.shown, std::vector<std::string>{GunneryMessage});
        for (int row = 0; row < 12; ++row) {
            QVERIFY(find<QLineEdit>(rowName("toHit", row))->text().isEmpty());
        }
    }

    void declareAndCopyCarryTheDeclarationAndTheUsersEdits() {
        pick(find<QComboBox>(rowName("weapName", 0)), "MLaser");
        click(find<QCheckBox>(rowName("fireCheck", 0)));
        click(find<QPushButton>("Command4"));
        auto* declaration = find<QPlainTextEdit>("Text13");
        QCOMPARE(declaration->toPlainText(), QString("  MLaser@"));

        declaration->moveCursor(QTextCursor::End);
        QTest::keyClicks(declaration, "!");
        QCOMPARE(model().Text13.text(), std::string("  MLaser@!"));
        click(find<QPushButton>("Command2"));
        QCOMPARE(sheet_->fake.clipboard.text, std::optional<std::string>("  MLaser@!"));
    }

    void selectAllTicksTheRowsThatHoldWeapons() {
        pick(find<QComboBox>(rowName("weapName", 1)), "SLaser");
        click(find<QCheckBox>(rowName("fireCheck", 5)));
        click(find<QCheckBox>("Check1"));
        for (int row = 0; row < 12; ++row) {
            QCOMPARE(find<QCheckBox>(rowName("fireCheck", row))->checkState(),
                     row == 1 ? Qt::Checked : Qt::Unchecked);
        }
    }

    void woodsBeyondTheLimitGoBackToZeroOnScreen() {
        auto* light = find<QComboBox>("hexLW");
        light->lineEdit()->selectAll();
        QTest::keyClicks(light->lineEdit(), "4");
        QCOMPARE(model().hexLW.text(), std::string("0"));
        QCOMPARE(light->currentText(), QString("0"));
        light->lineEdit()->selectAll();
        QTest::keyClicks(light->lineEdit(), "3");
        QCOMPARE(model().hexLW.text(), std::string("3"));
        QCOMPARE(light->currentText(), QString("3"));
        // A pick from the list is taken too.
        auto* heavy = find<QComboBox>("hexHW");
        heavy->setFocus();
        QTest::keyClick(heavy, Qt::Key_Down);
        QCOMPARE(model().hexHW.text(), std::string("1"));
    }

    void clearResetsWhatItOwnsOnScreen() {
        pick(find<QComboBox>(rowName("weapName", 0)), "MLaser");
        click(find<QCheckBox>(rowName("fireCheck", 0)));
        click(find<QPushButton>("Command4"));
        click(find<QPushButton>("Command5"));
        click(find<QRadioButton>("tHW0"));
        click(find<QPushButton>("Command3"));
        QVERIFY(find<QPlainTextEdit>("Text13")->toPlainText().isEmpty());
        QCOMPARE(find<QCheckBox>(rowName("fireCheck", 0))->checkState(), Qt::Unchecked);
        QVERIFY(find<QRadioButton>("tOpenHex0")->isChecked());
        QVERIFY(!find<QRadioButton>("tHW0")->isChecked());
        // The weapon stays.
        QCOMPARE(find<QComboBox>(rowName("weapName", 0))->currentText(), QString("MLaser"));
    }

    // Refreshing raises no notification of its own: the model sees only the user's actions.
    void refreshingNeverActsAsTheUser() {
        int titleChanges = 0;
        connect(&sheet_->window, &QWidget::windowTitleChanged, this, [&] { ++titleChanges; });
        QSignalSpy slider(find<QSlider>("Slider1"), &QSlider::valueChanged);
        click(find<QPushButton>("Command5"));
        slideTo(find<QSlider>("Slider1"), 3);
        QCOMPARE(slider.count(), 3);
        click(find<QCheckBox>("dmgShoulder1"));
        click(find<QPushButton>("Command3"));
        // A position set by code reaches the slider without coming back as a move.
        model().Slider1.setPosition(9);
        click(find<QCheckBox>("Check3"));
        QCOMPARE(find<QSlider>("Slider1")->value(), 9);
        QCOMPARE(slider.count(), 3);
        QCOMPARE(titleChanges, 0);
    }

    void menuEntriesReachTheirHandlers() {
        clickMenu(sheet_->window, "mnuAbout");
        QCOMPARE(sheet_->fake.windows.aboutBoxesOpened, 1);
        clickMenu(sheet_->window, "mnuHelp");
        QCOMPARE(sheet_->fake.help.requests.size(), std::size_t{1});
        clickMenu(sheet_->window, "mnuNew");
        QCOMPARE(sheet_->fake.windows.sheetsOpened, 1);
    }

    void everyModelControlIsBound() {
        // 11 panels, 6 text boxes, 5 lists, 21 check boxes, 20 option buttons, the slider,
        // 9 buttons and menu entries, and 12 rows of 9 controls.
        SheetBinding binding(model(), sheet_->window);
        QCOMPARE(binding.boundCount(), 11 + 6 + 5 + 21 + 20 + 1 + 9 + 12 * 9);
    }

    // Whatever a handler writes anywhere in the model shows once the user's action is done.
    void everyKindOfModelChangeShows() {
        model().Check4.setValue(CheckBox::Grayed);
        model().aHeat3.select();
        model().weapLoc[3].setText("LA");
        model().hexHW.setText("2");
        model().toHit[11].setText("Out of Range");
        model().Text13.setText("  Sword@5");
        model().Slider1.setPosition(7);
        model().Frame9.hide();
        model().Command4.setEnabled(false);
        model().mnuEdit.setEnabled(false);
        model().setTitle("Changed");
        click(find<QCheckBox>("Check3"));

        QCOMPARE(find<QCheckBox>("Check4")->checkState(), Qt::PartiallyChecked);
        QVERIFY(find<QRadioButton>("aHeat3")->isChecked());
        QVERIFY(!find<QRadioButton>("aHeat0")->isChecked());
        QCOMPARE(find<QComboBox>(rowName("weapLoc", 3))->currentText(), QString("LA"));
        QCOMPARE(find<QComboBox>("hexHW")->currentText(), QString("2"));
        QCOMPARE(find<QLineEdit>(rowName("toHit", 11))->text(), QString("Out of Range"));
        QCOMPARE(find<QPlainTextEdit>("Text13")->toPlainText(), QString("  Sword@5"));
        QCOMPARE(find<QSlider>("Slider1")->value(), 7);
        QVERIFY(find<QWidget>("Frame9")->isHidden());
        QVERIFY(!find<QWidget>("Command4")->isEnabled());
        QVERIFY(!find<QAction>("mnuEdit")->isEnabled());
        QCOMPARE(sheet_->window.windowTitle(), QString("Changed"));
    }

private:
    template <typename T> T* find(const QString& name) const { return sheet_->find<T>(name); }
    CombatSheet& model() { return sheet_->sheet(); }

    std::unique_ptr<FakeSheetWindow> sheet_;
};

QTEST_MAIN(SheetBindingTest)
#include "sheet_binding_test.moc"
