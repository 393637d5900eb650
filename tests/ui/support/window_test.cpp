#include "support/window_test.h"

#include "app/sheet_controls.h"
#include "layout/sheet_layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPixmapCache>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWindow>

#include <cstdlib>

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

} // namespace

FakeSheetWindow::FakeSheetWindow(bool realOpener)
    : shared{fake.clipboard, fake.registry, fake.launcher, fake.files,
             fake.help,      files,         lastFolder},
      window(shared, {&fake.messageBox, realOpener ? nullptr : &fake.windows, &fake.fileDialog}) {}

QString objectNameOf(const QString& codeName) {
    const qsizetype open = codeName.indexOf('(');
    const std::string name = codeName.left(open).toStdString();
    const int row = open < 0 ? -1 : codeName.mid(open + 1).chopped(1).toInt();
    if (const NamedControl* control = controlNamed(name)) {
        return QString::fromStdString(formName(control->ref, row));
    }
    for (const sheet::ControlLayout& layout : sheet::sheetLayout()) {
        if (!layout.control && layout.codeName == name) {
            return QString::fromStdString(layout.form);
        }
    }
    return codeName;
}

bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QPushButton*>(button) ? button->rect().center()
                                                         : QPoint(6, button->height() / 2));
}

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

QStringList overlaps(const QList<QWidget*>& widgets) {
    QStringList found;
    for (const QWidget* a : widgets) {
        for (const QWidget* b : widgets) {
            if (a != b && a->parentWidget() == b->parentWidget() &&
                a->geometry().intersects(b->geometry())) {
                found << a->objectName() + " overlaps " + b->objectName();
            }
        }
    }
    return found;
}

std::vector<SheetWindow*> visibleSheets(const QWidget* except) {
    std::vector<SheetWindow*> sheets;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* sheet = qobject_cast<SheetWindow*>(window);
            sheet && sheet->isVisible() && sheet != except) {
            sheets.push_back(sheet);
        }
    }
    return sheets;
}

std::vector<std::unique_ptr<SheetWindow>> takeOtherSheets(const QWidget* except) {
    const std::vector<SheetWindow*> others = visibleSheets(except);
    return {others.begin(), others.end()};
}

void compareWithReference(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->clearFocus(); // no blinking text cursor in the picture
    }
    // The style keeps drawn parts (a slider's groove and marks) by size, not by focus: drawn
    // afresh, the picture is the same whichever test drew them before.
    QPixmapCache::clear();
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

QStringList sheetTitles(const QWidget* except) {
    QStringList titles;
    for (SheetWindow* sheet : visibleSheets(except)) {
        titles << sheet->windowHandle()->title();
    }
    titles.sort();
    return titles;
}

void deleteSheets() {
    takeOtherSheets(nullptr);
}
