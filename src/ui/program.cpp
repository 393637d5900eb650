#include "ui/program.h"

#include "app/version.h"
#include "ui/program_look.h"
#include "ui/sheet_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

Program::Program(QApplication& application) {
    QApplication::setApplicationName(VEXOLAN_TITLE);
    QApplication::setApplicationVersion(QString("%1.%2.%3")
                                            .arg(VEXOLAN_VERSION_MAJOR)
                                            .arg(VEXOLAN_VERSION_MINOR)
                                            .arg(VEXOLAN_VERSION_REVISION));
    applyProgramLook(application);
}

std::optional<int> Program::start(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Works out the to-hit numbers of a Mech's attack.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument("files", "Mech files to open, each on a sheet of its own.",
                                 "[FILE...]");
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "vexolan: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        std::fputs(qPrintable(parser.isSet(help) ? parser.helpText()
                                                 : QApplication::applicationName() + " " +
                                                       QApplication::applicationVersion() + "\n"),
                   stdout);
        return 0;
    }
    int opened = 0;
    for (const QString& file : parser.positionalArguments()) {
        // Whole paths, so that a sheet saves to its file whatever the folder of the moment.
        opened += openSheet(QFileInfo(file).absoluteFilePath().toStdString()) != nullptr;
    }
    if (opened == 0) {
        openSheet();
    }
    return std::nullopt;
}

SheetWindow* Program::openSheet(const std::string& mechFile) {
    return SheetWindow::open(shared_, mechFile);
}
