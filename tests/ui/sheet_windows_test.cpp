// Several sheet windows side by side, the program's end with its last sheet, and the Qt
// adapters for the message box, the window opener and the clipboard.

#include "ui/sheet_test_helper.h"

#include "platform/qt_clipboard.h"
#include "platform/qt_message_box.h"
#include "ui/about_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using sheettest::click;
using sheettest::clickMenu;
using sheettest::pick;
using sheettest::rowName;

namespace {

QList<SheetWindow*> openSheets() {
    QList<SheetWindow*> sheets;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* sheet = qobject_cast<SheetWindow*>(window); sheet && sheet->isVisible()) {
            sheets << sheet;
        }
    }
    return sheets;
}

// The one open sheet other than this one, or null.
SheetWindow* otherSheet(const SheetWindow& sheet) {
    const QList<SheetWindow*> sheets = openSheets();
    if (sheets.size() != 2 || !sheets.contains(&sheet)) {
        return nullptr;
    }
    return sheets.at(0) == &sheet ? sheets.at(1) : sheets.at(0);
}

// Runs the event loop until the program quits, or gives up after a while and answers -1.
int runUntilQuit(const std::function<void()>& whileRunning) {
    QTimer::singleShot(0, whileRunning);
    QTimer giveUp; // goes with this call, so that it cannot end a later loop
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    giveUp.start(500);
    return QCoreApplication::exec();
}

// Deals with the modal window that the code under test opens, from inside its event loop.
void whenModalOpens(const std::function<void(QWidget*)>& inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        inspect(modal);
        if (modal != nullptr) {
            modal->close();
        }
    });
}

} // namespace

class SheetWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { sheettest::useProgramLook(); }

    void cleanup() {
        for (SheetWindow* sheet : openSheets()) {
            if (sheet->testAttribute(Qt::WA_DeleteOnClose)) {
                sheet->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void newMechOpensAnIndependentWindow() {
        FakeSheetWindow first(FakeSheetWindow::Opener::Real);
        first.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first.window));
        QTest::keyClicks(first.find<QLineEdit>("pilotName"), "Kai");

        clickMenu(first.window, "mnuNew");
        SheetWindow* second = otherSheet(first.window);
        QVERIFY(second != nullptr);
        QCOMPARE(second->parentWidget(), nullptr);
        QVERIFY(second->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(second->windowModality(), Qt::NonModal);
        QCOMPARE(second->windowTitle(), QString("Vexolan"));
        QVERIFY(second->findChild<QWidget*>("Setup")->isVisible());
        QVERIFY(!second->findChild<QWidget*>("Frame1")->isVisible());
        // The first window is as it was.
        QCOMPARE(first.window.windowTitle(), QString("Kai:"));

        click(first.find<QCheckBox>("Check2"));
        QCOMPARE(first.sheet().Check2.value(), 1);
        QCOMPARE(second->sheet().Check2.value(), 0);
        QCOMPARE(second->findChild<QCheckBox*>("Check2")->checkState(), Qt::Unchecked);

        pick(second->findChild<QComboBox*>(rowName("weapName", 4)), "PPC");
        QCOMPARE(second->sheet().weapName[4].text(), std::string("PPC"));
        QCOMPARE(first.sheet().weapName[4].text(), std::string());
        QCOMPARE(first.find<QComboBox>(rowName("weapName", 4))->currentIndex(), -1);

        QPointer<SheetWindow> closing(second);
        second->close();
        QTRY_VERIFY(closing.isNull());
        QVERIFY(first.window.isVisible());
    }

    void aNewWindowSharesTheProgramsServicesButNotItsOwn() {
        FakeSheetWindow first(FakeSheetWindow::Opener::Real);
        first.window.show();
        first.window.services().windows.openSheet();
        SheetWindow* second = otherSheet(first.window);
        QVERIFY(second != nullptr);
        QCOMPARE(&second->services().clipboard,
                 static_cast<platform::Clipboard*>(&first.fake.clipboard));
        QCOMPARE(&second->services().help, static_cast<platform::HelpViewer*>(&first.fake.help));
        QVERIFY(&second->services().messageBox != &first.window.services().messageBox);
        QVERIFY(&second->services().windows != &first.window.services().windows);
    }

    void closingTheLastSheetEndsTheProgram() {
        auto* sheet = new FakeSheetWindow;
        sheet->window.show();
        // A window that is no sheet, such as the help window, does not keep the program alive.
        QWidget other;
        other.show();
        const int result = runUntilQuit([sheet] { sheet->window.close(); });
        delete sheet;
        QCOMPARE(result, 0);
    }

    void closingOneOfTwoSheetsKeepsTheProgramRunning() {
        FakeSheetWindow first;
        FakeSheetWindow second;
        first.window.show();
        second.window.show();
        const int result = runUntilQuit([&] { second.window.close(); });
        QCOMPARE(result, -1);
        QVERIFY(first.window.isVisible());
    }

    void theMessageBoxIsPlainModalAndOwned() {
        QWidget owner;
        owner.show();
        platform::QtMessageBox messageBox(&owner);
        bool inspected = false;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            inspected = true;
            QCOMPARE(box->windowTitle(), QString("Vexolan"));
            QCOMPARE(box->text(), QString("Some <b>text</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(box->button(QMessageBox::Ok)->icon().isNull());
            QCOMPARE(box->parentWidget(), &owner);
            QVERIFY(box->isModal());
        });
        messageBox.show("Some <b>text</b>");
        QVERIFY(inspected);
    }

    void theAboutBoxIsApplicationModalAndOwnedByItsSheet() {
        FakeSheetWindow sheet(FakeSheetWindow::Opener::Real);
        sheet.window.show();
        bool inspected = false;
        whenModalOpens([&](QWidget* modal) {
            QVERIFY(qobject_cast<AboutDialog*>(modal) != nullptr);
            inspected = true;
            QCOMPARE(modal->parentWidget(), &sheet.window);
            QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
        });
        sheet.window.services().windows.openAboutBox();
        QVERIFY(inspected);
    }

    void theClipboardTakesTheTextWhole() {
        platform::QtClipboard clipboard;
        QGuiApplication::clipboard()->setText("before");
        QVERIFY(clipboard.setText("  MLaser@6  LRM20@Out of Range"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  MLaser@6  LRM20@Out of Range"));
        QVERIFY(clipboard.setText(""));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }
};

QTEST_MAIN(SheetWindowsTest)
#include "sheet_windows_test.moc"
