// The look of the setup panel, the sheet, its range chart and the About box against reviewed
// reference pictures (tests/ui/reference/*.png), rendered on the offscreen platform with the fonts
// the set-up installs. A changed look fails here until its picture is consciously renewed:
//   VEXOLAN_RENEW_PICTURES=1 build/bin/reference_picture_test
// A failing run leaves what it drew beside the test program, as <name>.actual.png.

#include "support/fake_platform.h"
#include "ui/about_dialog.h"
#include "ui/program.h"
#include "ui/range_chart_window.h"
#include "ui/sheet_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSlider>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace {

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

class ReferencePictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { program_ = std::make_unique<Program>(*qApp); }

    void init() {
        shared_ = std::make_unique<SharedServices>(SharedServices{fake_.clipboard, fake_.registry,
                                                                  fake_.launcher, fake_.files,
                                                                  fake_.help, fake_.fileStore});
        window_ = std::make_unique<SheetWindow>(
            *shared_, WindowServiceOverrides{&fake_.messageBox, &fake_.windows});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    // A Mech being described: names, skill, equipment and the Clan technology base.
    void setupPanel() {
        type("mechName", "Atlas AS7-D");
        type("pilotName", "Kai Allard");
        choose("gunSkill", 4);
        for (const char* name : {"Option2", "Check2", "Check6"}) {
            find<QAbstractButton>(name)->click();
        }
        compareWithReference(*window_, "setup-panel");
    }

    // A sheet in play: weapons with their figures and to-hit numbers, one out of range, a
    // shoulder hit graying its actuators, water cover, woods, ticks and the declaration.
    void sheetInPlay() {
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
        compareWithReference(*window_, "sheet-in-play");
        // The chart of a milder attack, so that it shows every colour, with its bracket edges,
        // the present range, the expected damage and the legend.
        for (const char* name : {"Command3", "dmgShoulder1", "dmgSensor1", "aMove2", "tMove1",
                                 "fireCheck(0)", "fireCheck(2)", "fireCheck(3)"}) {
            find<QAbstractButton>(name)->click();
        }
        window_->showRangeChart();
        QVERIFY(QTest::qWaitForWindowExposed(window_->rangeChart()));
        compareWithReference(*window_->rangeChart(), "range-chart");
    }

    void aboutBox() {
        AboutDialog dialog(window_->services(), window_.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        compareWithReference(dialog, "about-box");
    }

private:
    template <typename T = QWidget> T* find(const QString& name) const {
        T* found = window_->findChild<T*>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    void type(const QString& name, const QString& text) {
        QTest::keyClicks(find<QLineEdit>(name), text);
    }
    void choose(const QString& name, int entry) {
        auto* list = find<QComboBox>(name);
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }

    FakePlatform fake_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<SharedServices> shared_;
    std::unique_ptr<SheetWindow> window_;
};

QTEST_MAIN(ReferencePictureTest)
#include "reference_picture_test.moc"
