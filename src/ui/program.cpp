#include "ui/program.h"

#include "app/version.h"
#include "ui/command_line.h"
#include "ui/program_look.h"
#include "ui/sheet_window.h"

#include <QApplication>

Program::Program(QApplication& application) {
    setNameAndVersion();
    applyProgramLook(application);
}

void Program::setNameAndVersion() {
    QApplication::setApplicationName(VEXOLAN_TITLE);
    QApplication::setApplicationVersion(QString("%1.%2.%3")
                                            .arg(VEXOLAN_VERSION_MAJOR)
                                            .arg(VEXOLAN_VERSION_MINOR)
                                            .arg(VEXOLAN_VERSION_REVISION));
}

std::optional<int> Program::start(const CommandLine& commandLine, const QString& serverName) {
    if (const std::optional<int> fault = commandLine.answerFault()) {
        return fault;
    }
    if (const std::optional<int> answered = commandLine.answerHelpOrVersion()) {
        return answered;
    }
    if (!serverName.isEmpty()) {
        if (ProgramServer::handOver(serverName, commandLine.files())) {
            return 0;
        }
        server_.listen(serverName);
    }
    int opened = 0;
    for (const std::string& file : commandLine.files()) {
        opened += openFile(file);
    }
    // A lance file that is no good leaves the sheet it was to open on.
    if (opened == 0 && lance_.lance().size() == 0) {
        openSheet();
    }
    return std::nullopt;
}

SheetWindow* Program::openSheet(const std::string& mechFile) {
    return SheetWindow::open(shared_, mechFile);
}

CombatSheet& Program::openEmptySheet() {
    return openSheet()->sheet();
}

bool Program::openFile(const std::string& file) {
    if (file.ends_with(LanceFileExtension)) {
        return lance_.openFile(file);
    }
    return openSheet(file) != nullptr;
}

// The sheets come to the front: the user started the program to see them.
void Program::takeFiles(const std::vector<std::string>& files) {
    std::vector<SheetWindow*> sheets;
    for (const std::string& file : files) {
        if (file.ends_with(LanceFileExtension)) {
            lance_.openFile(file);
        } else {
            sheets.push_back(openSheet(file));
        }
    }
    if (files.empty()) {
        sheets.push_back(openSheet());
    }
    for (SheetWindow* sheet : sheets) {
        if (sheet != nullptr) {
            sheet->raise();
            sheet->activateWindow();
        }
    }
}
