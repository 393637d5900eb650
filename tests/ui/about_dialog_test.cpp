#include "app/version.h"
#include "fakes/fake_platform.h"
#include "ui/about_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <stdexcept>

class AboutDialogTest : public QObject {
    Q_OBJECT

    template <typename T> static T* control(AboutDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<T*>(name);
        return widget != nullptr ? widget : throw std::runtime_error(name);
    }

private slots:
    // The texts reach the window whole: trailing blanks, double blanks and every line.
    void showsTitleVersionAndDisclaimer() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vexolan"));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QCOMPARE(control<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Vexolan"));
        QCOMPARE(control<QLabel>(dialog, "lblVersion")->text(),
                 QString::asprintf("Version %d.%d.%d", VEXOLAN_VERSION_MAJOR, VEXOLAN_VERSION_MINOR,
                                   VEXOLAN_VERSION_REVISION));
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(),
                 QStringLiteral("Warning: ...May contain small parts"));
        const QString text = control<QPlainTextEdit>(dialog, "Text1")->toPlainText();
        QCOMPARE(text, QString::fromStdString(dialog.model().Text1.text()).replace("\r\n", "\n"));
        QCOMPARE(text.split('\n').size(), 12); // eleven lines and the empty end
    }

    // OK is the default button and Esc means OK: both close the model too.
    void okIsDefaultAndEscapeMeansOk() {
        FakePlatform fake;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutDialog dialog(fake.services, nullptr);
            auto* ok = control<QPushButton>(dialog, "cmdOK");
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            QVERIFY(ok->isDefault());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            ok->setFocus();
            QTest::keyClick(&dialog, key);
            QVERIFY(!dialog.isVisible());
            QVERIFY(!dialog.model().isOpen());
        }
    }

    void systemInfoShowsTheMessageAndStaysOpen() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr);
        dialog.show();
        auto* sysInfo = control<QPushButton>(dialog, "cmdSysInfo");
        QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(!sysInfo->isDefault());
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        QCOMPARE(fake.messageBox.shown,
                 std::vector<std::string>{"System Information Is Unavailable At This Time"});
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
