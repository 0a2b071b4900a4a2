#pragma once

#include <stdexcept>
#include <string>

// How a command ends when it can't do what was asked; main turns it into the
// message on standard error and the exit code scripts rely on.
class CliFailure : public std::runtime_error {
public:
    enum Code {
        Refused = 1,  // refused input, a damaged or unreadable file, a write that failed
        Usage = 2,    // arguments that can't be used
    };

    CliFailure(Code code, const std::string& message) : std::runtime_error(message), code(code) {}
    const Code code;
};
