#pragma once

#include <optional>
#include <string>

// The program's own options, --help and --version. They are answered
// before the toolkit starts, so they need no display and open no window;
// every other command line starts the window as before.
class CommandLine {
public:
    // The text to print when the one argument is --help or --version.
    static std::optional<std::string> answer(int argc, const char* const* argv);
    // Writes text to standard output: the process's exit code, 0, or 1 when
    // the text could not be written.
    static int print(const std::string& text);
};
