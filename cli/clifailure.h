#pragma once

#include <cstring>
#include <stdexcept>
#include <string>

#include "cli/output.h"
#include "core/errormsg.h"

// The core's error as the command line says it: the fixed message and, when
// a system call failed, the system's reason, as the window's details give it.
inline std::string errorText(const KestLib::ErrorMsg& error) {
    if (error.systemError() == 0) return error.message();
    return error.message() + ": " + std::strerror(error.systemError());
}

// How a command ends when it can't do what was asked; main turns it into the
// message on standard error and the exit code scripts rely on.
class CliFailure : public std::runtime_error {
public:
    enum Code {
        Refused = 1,     // refused input, a damaged or unreadable file, a write that failed
        Usage = 2,       // arguments that can't be used
        ReportLost = 3,  // the book was saved, but the report of it couldn't be written
    };

    CliFailure(Code code, const std::string& message) : std::runtime_error(message), code(code) {}
    // A refusal because the core failed on the file at path, with the
    // system's reason and, when given, what that meant for the command
    // ("nothing was written").
    CliFailure(const std::string& path, const KestLib::ErrorMsg& error, const std::string& outcome = {})
        : CliFailure(Refused, terminalText(path) + ": " + errorText(error) + (outcome.empty() ? "" : "; " + outcome)) {}
    const Code code;
};
