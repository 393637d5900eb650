#pragma once

// What the tests of the Qt windows share: a sheet window on fake services but real files, a
// user's clicks and keys, the widgets found by the names the code gives their controls, and
// reference pictures. A changed look fails until its picture is consciously renewed:
//   VEXOLAN_RENEW_PICTURES=1 build/bin/<test>
// A failing run leaves what it drew beside the test program, as <name>.actual.png.

#include "platform/posix_file_store.h"
#include "support/fake_platform.h"
#include "ui/shared_services.h"
#include "ui/sheet_window.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QSlider;
class QWidget;

// A sheet window on fake services, but for real files: no real message box, file dialog,
// clipboard or desktop. With the real opener, "&New Mech" opens real windows, and the range
// chart and the About box are the real ones.
struct FakeSheetWindow {
    explicit FakeSheetWindow(bool realOpener = false);
    FakePlatform fake;
    platform::PosixFileStore files;
    QString lastFolder;
    SharedServices shared;
    SheetWindow window;
};

// The name of the widget that stands for a control, given the name the code calls it by
// ("doneButton", "fireCheck(3)", "mechTypeHeading"); any other name is taken as it is.
QString objectNameOf(const QString& codeName);

// The widget of that name inside `parent`; the test stops when there is none.
template <typename T = QWidget> T* findIn(const QObject& parent, const QString& codeName) {
    T* found = parent.findChild<T*>(objectNameOf(codeName));
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(codeName));
    }
    return found;
}

// Shows the window and makes it the active one; false when it does not become active.
bool showActive(QWidget& window);

// Hands each modal widget of type T to `answer` as it opens, for as long as the timer lives.
template <typename T, typename Answer> std::unique_ptr<QTimer> answerModals(Answer answer) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [answer] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            answer(modal);
        }
    });
    timer->start(10);
    return timer;
}

// A left click on a box's indicator, or in the middle of a push button.
void click(QAbstractButton* button);
// Chooses an entry of a pick-only list with the arrow keys.
void pick(QComboBox* list, const QString& entry);
void slideTo(QSlider* slider, int position);
// Presses Tab from the start until the focus comes back to it; the names on the way.
QStringList tabCircle(QWidget* start);
// The widgets of the list that share a parent and cover one another, as "a overlaps b".
QStringList overlaps(const QList<QWidget*>& widgets);
// The sheet windows shown besides `except`; the same handed over to be closed.
std::vector<SheetWindow*> visibleSheets(const QWidget* except = nullptr);
std::vector<std::unique_ptr<SheetWindow>> takeOtherSheets(const QWidget* except);
// Compares what the widget draws with its reviewed picture; fails on more than a trace of
// difference.
void compareWithReference(QWidget& widget, const QString& name);

// The complete example Mech file of the documentation.
inline const QString ExampleMechFile = VEXOLAN_TEST_DATA "/../docs/quillfen.vexmech";
// The complete example lance file of the documentation: two Mechs.
inline const QString ExampleLanceFile = VEXOLAN_TEST_DATA "/../docs/quillfen-lance.vexlance";
// The titles of the sheets shown besides `except`, sorted: the windows come in no set order.
QStringList sheetTitles(const QWidget* except = nullptr);
// Every sheet shown goes at once, without asking about its changes.
void deleteSheets();
// The model's text as the toolkit's.
inline QString qt(const std::string& text) {
    return QString::fromStdString(text);
}
