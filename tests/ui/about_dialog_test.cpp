#include "fakes/fake_platform.h"
#include "ui/about_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus && next->isEnabled())) {
        next = next->nextInFocusChain();
    }
    return next;
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private:
    template <typename T> T* control(AboutDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<T*>(name);
        if (widget == nullptr) {
            qWarning("no control %s", name);
        }
        return widget;
    }

private slots:
    void windowIsAFixedModalDialog() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vexolan"));
        QCOMPARE(dialog.size(), QSize(391, 242)); // 5865 x 3630 twips
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    }

    void showsTheModelsTexts() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        QCOMPARE(control<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Vexolan"));
        QVERIFY(control<QLabel>(dialog, "lblTitle")->font().bold());
        QCOMPARE(control<QLabel>(dialog, "lblVersion")->text(),
                 QString::fromStdString(AboutBox::versionLine()));
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(),
                 QStringLiteral("Warning: ...May contain small parts"));
        QCOMPARE(control<QLabel>(dialog, "lblDisclaimer")->text(),
                 QString::fromStdString(dialog.model().lblDisclaimer.text()));

        auto* text = control<QPlainTextEdit>(dialog, "Text1");
        QCOMPARE(text->toPlainText(), QString::fromStdString(dialog.model().Text1.text())
                                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(!text->isReadOnly());
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(text->toPlainText().startsWith(
            QStringLiteral("This application is offered free of charge and is \noffered")));
    }

    // Every control lies inside the box, none covers another, and every label's text fits.
    void controlsFitWithoutClipping() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        const QRect client = dialog.rect();
        const QList<QWidget*> controls =
            dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 8);
        for (QWidget* a : controls) {
            QVERIFY2(client.contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : controls) {
                if (a != b) {
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " / " + b->objectName()));
                }
            }
        }
        for (auto* label : dialog.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) {
                continue;
            }
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
        for (auto* button : dialog.findChildren<QPushButton*>()) {
            QVERIFY2(button->sizeHint().width() <= button->width() + 16,
                     qPrintable(button->objectName()));
        }
    }

    // Each line of the disclaimer stays whole on screen: none wraps to strand a word.
    void disclaimerLinesDoNotWrap() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text = control<QPlainTextEdit>(dialog, "Text1");
        QCOMPARE(text->document()->blockCount(), 12); // eleven lines and the empty end
        for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
            QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
        }
    }

    void okIsDefaultAndTabOrderRunsOkSysInfoText() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        auto* ok = control<QPushButton>(dialog, "cmdOK");
        auto* sysInfo = control<QPushButton>(dialog, "cmdSysInfo");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(ok->isDefault());
        QVERIFY(!sysInfo->isDefault());
        QCOMPARE(nextTabStop(ok), sysInfo);
        QCOMPARE(nextTabStop(sysInfo), control<QWidget>(dialog, "Text1"));
        QCOMPARE(nextTabStop(control<QWidget>(dialog, "Text1")), ok);
    }

    void enterClosesTheBox() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        control<QWidget>(dialog, "cmdOK")->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.model().isOpen());
    }

    void escapeAndCloseBoxMeanOk() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.model().isOpen());

        AboutDialog second(fake.services, nullptr);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        second.close();
        QVERIFY(!second.isVisible());
        QVERIFY(!second.model().isOpen());
    }

    void okClickCloses() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void systemInfoWithoutAToolShowsTheMessageAndStaysOpen() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(fake.messageBox.shown.size(), size_t(1));
        QCOMPARE(QString::fromStdString(fake.messageBox.shown.front()), Unavailable);
        QVERIFY(fake.launcher.started.empty());
        QVERIFY(dialog.isVisible());
    }

    void systemInfoStartsTheRegisteredTool() {
        FakePlatform fake;
        fake.registry.addString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                "/usr/bin/hardinfo");
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The button's access key, typed into the window as the user would.
        QTest::keyClick(dialog.windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(fake.launcher.started.size(), size_t(1)); // the button animates its click
        QCOMPARE(fake.launcher.started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QVERIFY(fake.messageBox.shown.empty());
        QVERIFY(dialog.isVisible());
    }

    // Edits reach the model with the model's line ends, and die with the box.
    void editsLiveOnlyAsLongAsTheBox() {
        FakePlatform fake;
        std::string original;
        {
            AboutDialog dialog(fake.services, nullptr);
            original = dialog.model().Text1.text();
            control<QPlainTextEdit>(dialog, "Text1")->setPlainText(QStringLiteral("a\nb"));
            QCOMPARE(dialog.model().Text1.text(), std::string("a\r\nb"));
        }
        AboutDialog again(fake.services, nullptr);
        QCOMPARE(again.model().Text1.text(), original);
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
