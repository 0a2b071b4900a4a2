#pragma once

// Runs pennywell-cli as a script would: a small book in a fresh folder, and
// the program started with arguments, its exit code and both outputs kept.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/coretestsupport.h"
#include "tests/support/tempdir.h"

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    TempDir folder;
    std::string book = folder.path("home.pwdb");

    void SetUp() override {
        KestLib::AccountDB db;
        db.reset();
        db.setName("Home");
        for (const char* name : {"Food", "Salary", "Rent"}) db.addType(name);
        auto add = [&](const char* type, int amount, bool income, int day, const char* comment) {
            KestLib::Transaction t = makeTransaction(db.findType(type).id(), amount, income, 2004, 3, day, comment);
            db.addTransaction(t);
        };
        add("Food", 3000, true, 1, "budget");
        add("Food", 1000, false, 5, "groceries");
        add("Food", 500, false, 10, "market");
        add("Food", 200, false, 20, "late");
        add("Salary", 52000, true, 15, "pay");
        add("Rent", 1150, false, 31, "rent, march");
        db.saveFile(book);
    }

    // Runs the program with args, standard input from stdinFile when given,
    // standard output to stdoutFile when given (its output then reads as
    // empty), and files limited to fileSizeLimit bytes when that is set.
    Outcome run(const std::vector<std::string>& args, const std::string& stdinFile = {},
                const std::string& stdoutFile = {}, rlim_t fileSizeLimit = RLIM_INFINITY) {
        Running running = start(args, stdinFile, "std", stdoutFile, fileSizeLimit);
        Outcome outcome = finish(running);
        if (!stdoutFile.empty()) outcome.out.clear();
        return outcome;
    }

    // A run that goes on while the test does: its outputs are kept under
    // names of their own, so that runs at the same time don't mix them.
    struct Running {
        pid_t child = -1;
        std::string outPath;
        std::string errPath;
    };
    Running start(const std::vector<std::string>& args, const std::string& stdinFile = {},
                  const std::string& outputs = "std", const std::string& stdoutFile = {},
                  rlim_t fileSizeLimit = RLIM_INFINITY) {
        Running running{-1, stdoutFile.empty() ? folder.path(outputs + "out") : stdoutFile,
                        folder.path(outputs + "err")};
        running.child = fork();
        if (running.child == 0) {
            const int out = ::open(running.outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(running.errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int in = ::open(stdinFile.empty() ? "/dev/null" : stdinFile.c_str(), O_RDONLY);
            ::dup2(out, 1);
            ::dup2(err, 2);
            ::dup2(in, 0);
            if (fileSizeLimit != RLIM_INFINITY) {
                const rlimit limit{fileSizeLimit, fileSizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            std::vector<char*> argv{const_cast<char*>(CLI_PROGRAM)};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(CLI_PROGRAM, argv.data());
            ::_exit(127);
        }
        return running;
    }
    Outcome finish(const Running& running) {
        int status = 0;
        ::waitpid(running.child, &status, 0);
        const bool ownOutput = running.outPath.rfind(folder.path(""), 0) == 0;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ownOutput ? readFile(running.outPath) : std::string(),
                readFile(running.errPath)};
    }
};

struct Expected {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
};
