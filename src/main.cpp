#include "ui/command_line.h"
#include "ui/program.h"
#include "ui/program_server.h"

#include <QApplication>

#include <optional>
#include <string>
#include <vector>

namespace {

// The arguments as the program has them now, its own name first.
std::vector<std::string> argumentsOf(int argc, char* argv[]) {
#ifdef _WIN32
    // Windows hands the toolkit its arguments in UTF-16, the file names whole; the file store
    // there takes names in UTF-8.
    if (QCoreApplication::instance() != nullptr) {
        std::vector<std::string> arguments;
        for (const QString& argument : QCoreApplication::arguments()) {
            arguments.push_back(argument.toStdString());
        }
        return arguments;
    }
#endif
    return {argv, argv + argc};
}

} // namespace

int main(int argc, char* argv[]) {
    // Help, the version and an unknown option need no window system, so they are answered
    // before one is sought.
    Program::setNameAndVersion();
    const CommandLine given(argumentsOf(argc, argv));
    if (const std::optional<int> answered = given.answerHelpOrVersion()) {
        return *answered;
    }
    if (const std::optional<int> fault = given.answerFault()) {
        return *fault;
    }
    // The application takes the toolkit's own options out of argc and argv.
    QApplication application(argc, argv);
    Program program(application);
    if (const std::optional<int> done =
            program.start(CommandLine(argumentsOf(argc, argv)), ProgramServer::name())) {
        return *done;
    }
    const int result = application.exec();
    // Closed windows are deleted only when the event loop comes round again; it will not.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
