// The About box: a modal dialog at the zoom of its sheet, bound to a fresh model, and its look
// against its reviewed reference picture.

#include "support/fake_platform.h"
#include "support/window_test.h"
#include "ui/about_dialog.h"
#include "ui/program_look.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(*qApp); }

    // The box is modal and, at the zoom of its sheet, grows with its faces; the whole
    // disclaimer reaches it. OK is the default button and Esc means OK: both close the model
    // too. System Info shows its message and leaves the box open.
    void okEnterAndEscCloseIt() {
        FakePlatform fake;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutDialog dialog(fake.services, nullptr, 150);
            QCOMPARE(dialog.windowTitle(), QString("About Vexolan"));
            QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
            QCOMPARE(findIn<QPlainTextEdit>(dialog, "Text1")->toPlainText(),
                     qt(dialog.model().disclaimerBox.text()).replace("\r\n", "\n"));
            QCOMPARE(dialog.size(), QSize(587, 363));
            QCOMPARE(findIn<QLabel>(dialog, "lblTitle")->font().pixelSize(), 24);
            auto* ok = findIn<QPushButton>(dialog, "cmdOK");
            QVERIFY(ok->isDefault());
            QVERIFY(showActive(dialog));
            QCOMPARE(dialog.focusWidget(), ok);
            QTest::mouseClick(findIn<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            ok->setFocus();
            QTest::keyClick(&dialog, key);
            QVERIFY(!dialog.isVisible());
            QVERIFY(!dialog.model().isOpen());
        }
        QCOMPARE(fake.messageBox.shown,
                 std::vector<std::string>(2, "System Information Is Unavailable At This Time"));
    }

    // No control of the box reaches into another, at the actual size and at twice it.
    void noControlCoversAnother() {
        FakePlatform fake;
        for (const int zoom : {100, 200}) {
            AboutDialog dialog(fake.services, nullptr, zoom);
            const QList<QWidget*> controls =
                dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            QCOMPARE(controls.size(), 8);
            QCOMPARE(overlaps(controls), QStringList());
        }
    }

    // Tab leaves the disclaimer for the next control rather than typing into the text.
    void tabLeavesTheDisclaimer() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        QVERIFY(showActive(dialog));
        auto* text = findIn<QPlainTextEdit>(dialog, "Text1");
        const QString before = text->toPlainText();
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab);
        QVERIFY(dialog.focusWidget() != text);
        QCOMPARE(text->toPlainText(), before);
    }

    void picture() {
        FakePlatform fake;
        AboutDialog about(fake.services, nullptr);
        QVERIFY(showActive(about));
        compareWithReference(about, "about-box");
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
