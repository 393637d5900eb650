// The Qt implementations of the platform services that the sheets share: the clipboard,
// starting a program, and the file dialogs' choice of files.

#include "support/window_test.h"
#include "ui/program_look.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_message_box.h"
#include "ui/qt_program_launcher.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/wait.h>

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(*qApp); }

    void theClipboardTakesTheText() {
        QtClipboard clipboard;
        QVERIFY(clipboard.setText("  MLaser@6  LRM20@Out of Range"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  MLaser@6  LRM20@Out of Range"));
    }

    // Only a program that really runs counts as started, and it is never our child to collect.
    void startsOnlyAProgramThatRuns() {
        QtProgramLauncher launcher;
        QVERIFY(launcher.start("/bin/true"));
        for (const char* path : {"/nonexistent/vexolan-tool", "", "/etc/passwd", "/tmp"}) {
            QVERIFY2(!launcher.start(path), path);
        }
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
    }

    // The program's message box, at the zoom of the window it belongs to: a plain message with
    // OK alone; the question before a change would be lost with Save (the default), Discard and
    // Cancel (Esc).
    void messageBoxesTakeTheZoomOfTheirWindow() {
        using Answer = platform::MessageBox::Answer;
        QtMessageBox messages(nullptr, [] { return 200; });
        struct Seen {
            int fontSize;
            QMessageBox::StandardButtons buttons;
            QString text;
        };
        std::vector<Seen> seen;
        const std::pair<QMessageBox::StandardButton, Qt::Key> replies[] = {
            {QMessageBox::Ok, Qt::Key_Return},
            {QMessageBox::Save, Qt::Key_Return},
            {QMessageBox::Discard, Qt::Key_D},
            {QMessageBox::Cancel, Qt::Key_Escape}};
        std::size_t reply = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back({box->font().pixelSize(), box->standardButtons(), box->text()});
                const auto [button, key] = replies[reply++];
                if (key == Qt::Key_D) {
                    box->button(button)->click();
                } else {
                    QTest::keyClick(box, key);
                }
            }
        });
        answer.start(10);
        messages.show("Please enter range to target");
        QCOMPARE(messages.askToSave("Save?"), Answer::Save);
        QCOMPARE(messages.askToSave("Save?"), Answer::Discard);
        QCOMPARE(messages.askToSave("Save?"), Answer::Cancel);
        QCOMPARE(seen.size(), std::size_t{4});
        QCOMPARE(seen[0].fontSize, sheetFont(200).pixelSize());
        QCOMPARE(seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen[0].text, QString("Please enter range to target"));
        QCOMPARE(seen[1].buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }

    // The question before a file changed on disk is written over: Overwrite and Cancel, with
    // Cancel the default, so that Return and Esc both keep the file, and the Overwrite button
    // alone writes it.
    void theOverwriteQuestionDefaultsToCancel() {
        using Answer = platform::MessageBox::Answer;
        QtMessageBox messages(nullptr, [] { return 100; });
        QStringList buttons;
        int reply = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                buttons.clear();
                for (QAbstractButton* button : box->buttons()) {
                    buttons << button->text();
                }
                buttons.sort();
                switch (reply++) {
                case 0:
                    QTest::keyClick(box, Qt::Key_Return);
                    break;
                case 1:
                    QTest::keyClick(box, Qt::Key_Escape);
                    break;
                default:
                    for (QAbstractButton* button : box->buttons()) {
                        if (button->text() == "&Overwrite") {
                            button->click();
                        }
                    }
                }
            }
        });
        answer.start(10);
        QCOMPARE(messages.askToOverwrite("Overwrite?"), Answer::Cancel);
        QCOMPARE(messages.askToOverwrite("Overwrite?"), Answer::Cancel);
        QCOMPARE(messages.askToOverwrite("Overwrite?"), Answer::Overwrite);
        QCOMPARE(buttons, QStringList({"&Overwrite", "Cancel"}));
    }

    // Each dialog offers its kind of file first, takes the owner's zoom, and a cancel
    // chooses nothing.
    void fileDialogsOfferTheirKindOfFile() {
        QString lastFolder;
        int zoom = 150;
        QtFileDialog dialogs(nullptr, lastFolder, [&zoom] { return zoom; });
        QStringList filters;
        int fontSize = 0;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, this, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                filters << dialog->nameFilters().front();
                fontSize = dialog->font().pixelSize();
                dialog->reject();
            }
        });
        cancel.start(10);
        QCOMPARE(dialogs.chooseFilesToOpen(), std::vector<std::string>{});
        QCOMPARE(dialogs.chooseFileToSave("Mech.vexmech"), std::string());
        QCOMPARE(dialogs.choosePictureToSave("range-chart.png"), std::string());
        QCOMPARE(filters, QStringList({"Vexolan Mechs (*.vexmech)", "Vexolan Mechs (*.vexmech)",
                                       "PNG pictures (*.png)"}));
        QCOMPARE(fontSize, sheetFont(150).pixelSize());
    }
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
