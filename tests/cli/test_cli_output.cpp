// The command line reports a failure to deliver what it was asked for:
// output that can't be written, a file-size limit.

#include <filesystem>
#include <unistd.h>

#include "clitest.h"

TEST_F(CliTest, OutputThatCantBeWrittenFailsTheCommand) {
    const std::vector<std::vector<std::string>> commands = {
        {"info", book},
        {"list", book},
        {"list", book, "--format", "json"},
        {"export", book},
        {"export", book, "--format", "ledger"},
        {"check", book},
        {"total", book},
        {"percentage", book, "--format", "csv"},
        {"budget", book, "--from", "2004-03-01", "--to", "2004-03-31", "--today", "2004-03-15"},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args[0] + (args.size() > 2 ? " " + args[2] : std::string()));
        const Outcome outcome = run(args, {}, "/dev/full");
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_NE(outcome.err.find("standard output can't be written"), std::string::npos) << outcome.err;
    }
}

TEST_F(CliTest, AFileSizeLimitIsAReportedFailureNotASignal) {
    const std::string csv = folder.path("out.csv");
    const Outcome outcome = run({"export", book, "-o", csv}, {}, {}, 16);
    EXPECT_EQ(outcome.exitCode, 1) << outcome.err;
    EXPECT_FALSE(outcome.err.empty());
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(CliTest, ExportNeverWritesOverTheBookItReads) {
    const std::string before = readFile(book);
    std::filesystem::create_symlink(book, folder.path("soft.csv"));
    std::filesystem::create_hard_link(book, folder.path("hard.csv"));
    for (const std::string& output : {book, folder.path("soft.csv"), folder.path("hard.csv"),
                                      folder.path("./home.pwdb")}) {
        SCOPED_TRACE(output);
        const Outcome outcome = run({"export", book, "-o", output});
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_NE(outcome.err.find("is the book being exported"), std::string::npos) << outcome.err;
        EXPECT_EQ(readFile(book), before);
    }
}
