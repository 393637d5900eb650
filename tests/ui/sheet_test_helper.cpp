#include "ui/sheet_test_helper.h"

#include "ui/program_look.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

WindowServiceOverrides overridesFor(FakePlatform& fake, FakeSheetWindow::Opener opener) {
    WindowServiceOverrides overrides;
    overrides.messageBox = &fake.messageBox;
    if (opener == FakeSheetWindow::Opener::Fake) {
        overrides.windows = &fake.windows;
    }
    return overrides;
}

} // namespace

FakeSheetWindow::FakeSheetWindow(Opener opener)
    : shared{fake.clipboard, fake.registry, fake.launcher, fake.files, fake.help},
      window(shared, overridesFor(fake, opener)) {}

namespace sheettest {

void useProgramLook() {
    applyProgramLook(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

QString rowName(const char* column, int row) {
    return QString("%1(%2)").arg(column).arg(row);
}

void click(QAbstractButton* button) {
    QVERIFY(button != nullptr);
    const QPoint where = qobject_cast<QPushButton*>(button) != nullptr
                             ? button->rect().center()
                             : QPoint(6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

void pick(QComboBox* list, const QString& entry) {
    QVERIFY(list != nullptr);
    const int target = list->findText(entry);
    QVERIFY2(target >= 0, qPrintable("no entry " + entry));
    list->setFocus();
    for (int step = 0; step < list->count() && list->currentIndex() != target; ++step) {
        QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    QCOMPARE(list->currentText(), entry);
}

void slideTo(QSlider* slider, int position) {
    QVERIFY(slider != nullptr);
    for (int step = 0; step <= slider->maximum() && slider->value() != position; ++step) {
        QTest::keyClick(slider, slider->value() < position ? Qt::Key_Right : Qt::Key_Left);
    }
    QCOMPARE(slider->value(), position);
}

void clickMenu(SheetWindow& window, const QString& name) {
    auto* action = window.findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QMenuBar* bar = window.menuBar();
    if (bar->actions().contains(action)) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->actionGeometry(action).center());
        return;
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->actions().contains(action)) {
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                              bar->actionGeometry(menu->menuAction()).center());
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                              menu->actionGeometry(action).center());
            return;
        }
    }
    QFAIL(qPrintable("no menu holds " + name));
}

} // namespace sheettest
