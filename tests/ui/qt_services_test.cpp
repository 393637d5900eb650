// The Qt implementations of the platform services that the sheets share: starting a program,
// the message boxes, the file dialogs' choice of files, and the help viewer's window. (The
// clipboard is the lance window's test's, which copies through the program's own.)

#include "support/window_test.h"
#include "ui/help_window.h"
#include "ui/program_look.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_message_box.h"
#include "ui/qt_program_launcher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>

#include <algorithm>
#include <fstream>

#include <sys/wait.h>

namespace {

const std::string HelpFile = "c:\\Program Files\\Vexo\\Vexo.hlp";
constexpr int ForceFile = platform::HelpViewer::ForceFile;

QString pageText(const QtHelpViewer& viewer) {
    return viewer.window()->browser()->toPlainText();
}

// What a file dialog showed when it opened.
struct DialogSeen {
    QString folder;
    QString typedName;
    int fontSize;
    QSize size;
    std::vector<int> columns{};
    bool headingsWhole = true; // every column as wide as its heading
    bool placesWhole = false;  // the places beside the files as wide as their names
};

// Opens a dialog with `open`, seen as it opens and then cancelled.
template <typename Open> DialogSeen seeDialog(Open open) {
    DialogSeen one{};
    const auto cancel = answerModals<QFileDialog>([&one](QFileDialog* dialog) {
        one = {dialog->directory().absolutePath(),
               dialog->findChild<QLineEdit*>("fileNameEdit")->text(), dialog->font().pixelSize(),
               dialog->size()};
        const QHeaderView* header = dialog->findChild<QTreeView*>()->header();
        for (int column = 0; column < header->count(); ++column) {
            one.columns.push_back(header->sectionSize(column));
            one.headingsWhole &= one.columns.back() >= header->sectionSizeHint(column);
        }
        const auto* splitter = dialog->findChild<QSplitter*>();
        one.placesWhole = splitter->sizes().constFirst() >= splitter->widget(0)->sizeHint().width();
        dialog->reject();
    });
    open();
    return one;
}

} // namespace

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyProgramLook(*qApp);
        // The dialogs keep their columns in the user's settings: these go to a folder of the
        // test's own.
        qputenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit());
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
    // Cancel (Esc); the question before a file changed on disk is written over with Overwrite
    // and Cancel, Cancel the default, so that Return and Esc both keep the file and the
    // Overwrite button alone writes it.
    void messageBoxesAnswerAsTheirButtonsSay() {
        using Answer = platform::MessageBox::Answer;
        QtMessageBox messages(nullptr, [] { return 200; });
        // Each box in turn answered by a click on the button of that caption, or else by the key
        // of that name.
        const QStringList replies = {"Return", "Return", "Discard",   "Esc",
                                     "Return", "Esc",    "&Overwrite"};
        QStringList seen; // each box's font size, text and buttons
        const auto answer = answerModals<QMessageBox>([&](QMessageBox* box) {
            const QString reply = replies[std::min(seen.size(), replies.size() - 1)];
            QStringList buttons;
            QAbstractButton* clicked = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
                clicked = button->text() == reply ? button : clicked;
            }
            buttons.sort();
            seen << QString("%1 %2: %3")
                        .arg(box->font().pixelSize())
                        .arg(box->text(), buttons.join(' '));
            if (clicked != nullptr) {
                clicked->click();
            } else {
                QTest::keySequence(box, QKeySequence(reply));
            }
        });
        messages.show("Please enter range to target");
        const auto save = [&] { return messages.askToSave("Save?"); };
        const auto overwrite = [&] { return messages.askToOverwrite("Overwrite?"); };
        QCOMPARE((std::vector{save(), save(), save(), overwrite(), overwrite(), overwrite()}),
                 (std::vector{Answer::Save, Answer::Discard, Answer::Cancel, Answer::Cancel,
                              Answer::Cancel, Answer::Overwrite}));
        const QString size = QString::number(sheetFont(200).pixelSize());
        const QString saveBox = size + " Save?: Cancel Discard Save",
                      overwriteBox = size + " Overwrite?: &Overwrite Cancel";
        QCOMPARE(seen, QStringList({size + " Please enter range to target: OK", saveBox, saveBox,
                                    saveBox, overwriteBox, overwriteBox, overwriteBox}));
    }

    // The first dialog opens in the user's documents, or at home when there are none, and
    // later ones where the last ended or, when that folder is gone, where the first did; never
    // with a folder's name typed in as the file's. A saved file's name stands ready.
    void fileDialogsStartInAFolderThatIsThere() {
        // The user's home: a folder of its own, with its own settings, and the current folder,
        // as when the program is started from the desktop; the test's own are restored after.
        const QTemporaryDir home;
        const QByteArray homeBefore = qgetenv("HOME"), settings = qgetenv("XDG_CONFIG_HOME");
        const QString currentBefore = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(currentBefore);
            qputenv("HOME", homeBefore);
            qputenv("XDG_CONFIG_HOME", settings);
        });
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
        QDir::setCurrent(home.path());
        QString lastFolder;
        QtFileDialog dialogs(nullptr, lastFolder, [] { return ActualZoom; });
        // Where the dialog opens after `last`, and the name typed in it; a cancel chooses nothing.
        const auto openAfter = [&](const QString& last) {
            lastFolder = last;
            const auto seen = seeDialog([&] { QVERIFY(dialogs.chooseFilesToOpen().empty()); });
            return QStringList{seen.folder, seen.typedName};
        };
        QCOMPARE(openAfter({}), QStringList({home.path(), ""})); // no documents
        QVERIFY(QDir(home.path()).mkdir("Documents"));
        QVERIFY(QDir(home.path()).mkdir("Mechs"));
        QCOMPARE(openAfter({}), QStringList({home.filePath("Documents"), ""}));
        QCOMPARE(openAfter(home.filePath("Mechs")), QStringList({home.filePath("Mechs"), ""}));
        QCOMPARE(openAfter(home.filePath("Lost")), QStringList({home.filePath("Documents"), ""}));
        lastFolder.clear();
        const auto saved = seeDialog([&] {
            QCOMPARE(
                dialogs.chooseFileToSave(home.filePath("Gone/Quillfen QF-2.vexmech").toStdString()),
                std::string());
        });
        QCOMPARE(saved.folder, home.filePath("Documents"));
        QCOMPARE(saved.typedName, QString("Quillfen QF-2.vexmech"));
    }

    // Qt's own dialog, shown at a zoom, grows with its text: the window, and the columns of
    // the files, which show their headings whole. The next dialog at actual size is as the
    // first one was.
    void zoomedFileDialogsGrowWithTheirText() {
        // An empty folder, whose files, when they are in, change no column.
        const QTemporaryDir empty;
        QString lastFolder = empty.path();
        int zoom = ActualZoom;
        QtFileDialog dialogs(nullptr, lastFolder, [&zoom] { return zoom; });
        std::vector<DialogSeen> seen;
        for (const int at : {ActualZoom, 150, 200, ActualZoom}) {
            zoom = at;
            seen.push_back(seeDialog([&] { dialogs.chooseFilesToOpen(); }));
        }
        const QSize actual = seen[0].size;
        const auto near = [](int length, int expected) { return std::abs(length - expected) <= 2; };
        // A dialog larger than the screen's room would not fit on it.
        const QSize room = QApplication::primaryScreen()->availableSize();
        for (const auto& [at, zoom] : {std::pair{1, 150}, {2, 200}}) {
            const QSize size = seen[at].size;
            const QString name = QString("at %1%").arg(zoom);
            QVERIFY2(near(size.width(), std::min(zoomed(actual.width(), zoom), room.width())),
                     qPrintable(name));
            QVERIFY2(near(size.height(), std::min(zoomed(actual.height(), zoom), room.height())),
                     qPrintable(name));
            QVERIFY2(seen[at].headingsWhole, qPrintable(name));
            QVERIFY2(seen[at].placesWhole, qPrintable(name));
            QCOMPARE(seen[at].fontSize, sheetFont(zoom).pixelSize());
        }
        QCOMPARE(seen[3].size, actual);
        // The names' column gives up room to the rest once the folder is in, whenever that is:
        // the rest are as they were.
        seen[0].columns.front() = seen[3].columns.front();
        QCOMPARE(seen[3].columns, seen[0].columns);
    }

    // The files chosen come back, and the next dialog starts in their folder. Each dialog offers
    // its kind of file first. A zoomed dialog is Qt's own, which grows with the zoom; at actual
    // size it is the desktop's.
    void fileDialogsGiveWhatWasChosen() {
        const QTemporaryDir folder;
        const QString mech = folder.filePath("quillfen.vexmech");
        QVERIFY(QFile(mech).open(QIODevice::WriteOnly));
        QString lastFolder;
        int zoom = ActualZoom;
        QtFileDialog dialogs(nullptr, lastFolder, [&zoom] { return zoom; });
        QStringList seen; // whose dialog, and the kind of file it offers first
        QString choice = mech;
        const auto choose = answerModals<QFileDialog>([&](QFileDialog* dialog) {
            seen << (dialog->testOption(QFileDialog::DontUseNativeDialog) ? "Qt's "
                                                                          : "desktop's ") +
                        dialog->nameFilters().front();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(choice); // typed in
            static_cast<QDialog*>(dialog)->accept(); // as the Open button does
        });
        QCOMPARE(dialogs.chooseFilesToOpen(), std::vector<std::string>{mech.toStdString()});
        QCOMPARE(lastFolder, folder.path());
        zoom = 150;
        choice = folder.filePath("saved.vexmech");
        QCOMPARE(dialogs.chooseFileToSave("Mech.vexmech"), choice.toStdString());
        choice = folder.filePath("chart.png");
        QCOMPARE(dialogs.choosePictureToSave("range-chart.png"), choice.toStdString());
        QCOMPARE(seen,
                 QStringList({"desktop's Vexolan Mechs (*.vexmech)",
                              "Qt's Vexolan Mechs (*.vexmech)", "Qt's PNG pictures (*.png)"}));
    }

    // Help shows in one non-modal window for all requests, never keeping the program alive: a
    // second request raises it as it was, at the zoom now asked; once closed, the next brings it
    // back.
    void helpHasOneWindowAndAPageForAMissingFile() {
        QtHelpViewer viewer;
        QVERIFY(!viewer.showHelp(HelpFile, 3));
        QVERIFY(viewer.window() == nullptr);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        HelpWindow* window = viewer.window();
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QString("Vexolan Help"));
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        const int actualSize = window->browser()->font().pixelSize();
        viewer.setScale(200);
        window->browser()->verticalScrollBar()->setValue(50);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(viewer.window(), window);
        QCOMPARE(window->browser()->verticalScrollBar()->value(), 50);
        QCOMPARE(window->browser()->font().pixelSize(), 2 * actualSize);
        window->close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(viewer.window()->isVisible());
        viewer.window()->close();
        // A missing help file gets the not-found page, no message box, and a later request
        // shows the file once it is there.
        QTemporaryDir empty;
        QtHelpViewer missing(empty.path());
        QVERIFY(missing.showHelp(HelpFile, ForceFile));
        QVERIFY(missing.window()->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(pageText(missing).contains("not found"));
        QVERIFY(pageText(missing).contains(qt(HelpFile)));
        std::ofstream(empty.filePath("Vexo.html").toStdString()) << "<p>Arrived later</p>";
        QVERIFY(missing.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(missing).contains(QStringLiteral("Arrived later")));
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
