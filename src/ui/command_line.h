#pragma once

// The program's command line and its options, defined once, the toolkit's own (-platform,
// -style...) among them. It is read before the window system is sought, so that help, the
// version and an option unknown to both the program and the toolkit are answered without a
// display; and again once the toolkit has taken its own options out of the arguments, for the
// files.

#include <optional>
#include <string>
#include <vector>

class CommandLine {
public:
    // The arguments as the system gave them, the program's own name first. A Mech file's name
    // keeps its bytes, which need not be UTF-8 on a POSIX system.
    explicit CommandLine(std::vector<std::string> arguments);

    // Given --help or --version, prints the help or the version and gives the status to end
    // the program with; nothing otherwise.
    std::optional<int> answerHelpOrVersion() const;
    // Given an option it does not know, says so on the error output and gives the status to
    // end the program with; nothing otherwise.
    std::optional<int> answerFault() const;
    // The Mech files named, as whole paths, so that a sheet saves to its file whatever the
    // folder of the moment.
    std::vector<std::string> files() const;

private:
    std::vector<std::string> arguments_;
    bool help_ = false;
    bool version_ = false;
    std::string fault_;
    std::vector<std::string> files_;
};
