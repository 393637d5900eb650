#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <filesystem>

namespace {

// Each byte as the character of its number: the parser recognises the options, which are
// ASCII, and every other argument comes back as the very bytes it was given.
QString characters(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string bytes(const QString& characters) {
    return characters.toLatin1().toStdString();
}

// The toolkit's own options, as QGuiApplication and QApplication document them, and whether each
// takes a value: the application takes them out of the arguments, so that they must pass here
// for an option unknown to both to be told before the window system is sought.
struct ToolkitOption {
    const char* name;
    bool takesValue;
};
constexpr ToolkitOption ToolkitOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"reverse", false},      {"session", true},
    {"display", true},       {"geometry", true},
    {"style", true},         {"stylesheet", true},
    {"widgetcount", false},
};

// The one definition of the program's options.
void defineOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription("Works out the to-hit numbers of a Mech's attack.");
    // A word after one dash is an option of the toolkit's (-style, -reverse), never letters of
    // this program's options run together.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{"h", "help"}, "Prints this summary of the command line and exits."});
    parser.addOption({{"v", "version"}, "Prints the program's version and exits."});
    for (const ToolkitOption& toolkit : ToolkitOptions) {
        QCommandLineOption option(toolkit.name, {}, toolkit.takesValue ? "value" : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(
        "files",
        "Mech files to open, each on a sheet of its own, or lance files (.vexlance), a sheet "
        "for each of their Mechs.",
        "[FILE...]");
}

// Where the name does not lead from the root, the folder of the moment goes before it; "." and
// ".." are taken out as far as the name alone allows.
std::string wholePath(const std::string& name) {
    const std::filesystem::path path(std::u8string(name.begin(), name.end()));
    std::error_code unknownFolder;
    const std::u8string whole =
        std::filesystem::absolute(path, unknownFolder).lexically_normal().u8string();
    return unknownFolder ? name : std::string(whole.begin(), whole.end());
}

} // namespace

CommandLine::CommandLine(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {
    QCommandLineParser parser;
    defineOptions(parser);
    QStringList list;
    for (const std::string& argument : arguments_) {
        list << characters(argument);
    }
    if (!parser.parse(list)) {
        fault_ = bytes(parser.errorText());
    }
    help_ = parser.isSet("help");
    version_ = parser.isSet("version");
    for (const QString& file : parser.positionalArguments()) {
        files_.push_back(wholePath(bytes(file)));
    }
}

std::optional<int> CommandLine::answerHelpOrVersion() const {
    if (!help_ && !version_) {
        return std::nullopt;
    }
    QString text =
        QCoreApplication::applicationName() + " " + QCoreApplication::applicationVersion() + "\n";
    if (help_) {
        QCommandLineParser parser;
        defineOptions(parser);
        text = parser.helpText();
        // The toolkit names the program by its path once it runs, and by a placeholder before;
        // the summary names it as it was called.
        const QString usage = "Usage: ";
        const QString program =
            arguments_.empty() ? QString() : QString::fromLocal8Bit(arguments_.front());
        text.replace(usage.size(), text.indexOf(" [options]") - usage.size(), program);
    }
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}

std::optional<int> CommandLine::answerFault() const {
    if (fault_.empty()) {
        return std::nullopt;
    }
    std::fprintf(stderr, "vexolan: %s\n", fault_.c_str());
    return 2;
}

std::vector<std::string> CommandLine::files() const {
    return files_;
}
