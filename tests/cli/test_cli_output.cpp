// What pennywell-cli says and how it ends when its output can't be written,
// when a number is out of range, when a file can't be opened, and what it
// shows of a hostile book on a terminal.

#include <sys/resource.h>

#include <filesystem>

#include "tests/cli/clitest.h"

namespace {

const std::string fullDisk = "pennywell-cli: standard output: File write error: No space left on device\n";

// A lower file-size limit for the children started while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
};

}  // namespace

TEST_F(CliTest, OutputThatCantBeWrittenIsAFailure) {
    const std::string csv = folder.path("more.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n");
    const std::vector<std::vector<std::string>> cases = {
        {"info", book},
        {"list", book},
        {"list", book, "--format", "json"},
        {"check", book},
        {"total", book},
        {"percentage", book},
        {"budget", book, "--to", "2004-03-31", "--today", "2004-03-10"},
        {"export", book},
        {"import", book, csv, "--dry-run"},
        {"--help"},
        {"--version"},
    };
    for (const auto& args : cases) {
        const Outcome result = run(args, {}, "/dev/full");
        EXPECT_EQ(result.exitCode, 1) << args[0];
        EXPECT_EQ(result.err, fullDisk) << args[0];
    }
    // A command that fails on its own keeps its code, and still says that
    // its output was lost.
    const Outcome damaged = run({"check", csv}, {}, "/dev/full");
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.err, fullDisk);
}

// An import saved before its report was lost says so, with a code of its
// own, so that a script doesn't import the rows again; one that saved
// nothing is a plain failure.
TEST_F(CliTest, AnImportSavedWhoseReportIsLostHasItsOwnCode) {
    const std::string csv = folder.path("more.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n2004-04-02,-20,Food\n");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
        const char* transactions;  // as info's JSON says it afterwards
    } cases[] = {
        {{"import", book, csv, "--dry-run"}, 1, fullDisk, "\"transactions\": 6"},
        {{"import", book, csv},
         3,
         "pennywell-cli: " + book +
             ": imported and saved; the report could not be written: standard output: File "
             "write error: No space left on device\n",
         "\"transactions\": 8"},
    };
    for (const auto& c : cases) {
        const Outcome result = run(c.args, {}, "/dev/full");
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.back();
        EXPECT_EQ(result.err, c.err);
        EXPECT_NE(run({"info", book, "--format", "json"}).out.find(c.transactions), std::string::npos);
    }
    EXPECT_NE(run({"--help"}).out.find("3 an import that was saved but whose report could not be written"),
              std::string::npos);
}

TEST_F(CliTest, NumbersOutOfRangeAreUsageErrors) {
    const std::vector<std::string> period = {"budget",     book,      "--from",     "2004-03-01", "--to",
                                             "2004-03-31", "--today", "2004-03-10", "--type",     "Food",
                                             "--format",   "csv",     "--budget"};
    for (const char* number : {"99999999999999999999", "-9223372036854775808", "1000000000000000000", "1e3", "0x10"}) {
        std::vector<std::string> args = period;
        args.push_back(number);
        const Outcome result = run(args);
        EXPECT_EQ(result.exitCode, 2) << number;
        EXPECT_NE(result.err.find(std::string("--budget: \"") + number + "\" is not a whole number"), std::string::npos)
            << result.err;
    }
    // The largest accepted leaves an exact remainder.
    std::vector<std::string> args = period;
    args.push_back("-999999999999999999");
    const Outcome result = run(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("total,,-999999999999999999,1500,-1000000000000001499,-45454545454545522\r\n"),
              std::string::npos)
        << result.out;
}

TEST_F(CliTest, AFileSizeLimitIsAReportedFailure) {
    KestLib::AccountDB db;
    db.loadFile(book);
    const int food = db.findType("Food").id();
    for (int day = 1; day <= 28; ++day)
        for (int k = 0; k < 10; ++k) {
            KestLib::Transaction filler = makeTransaction(food, 100 + k, false, 2005, 2, day, "filler");
            db.addTransaction(filler);
        }
    db.saveFile(book);

    const std::string written = folder.path("out.csv");
    struct Case {
        std::vector<std::string> args;
        std::string stdoutFile;
        std::string err;
    };
    const Case cases[] = {
        {{"export", book}, written, "pennywell-cli: standard output: File write error: File too large\n"},
        {{"export", book, "-o", written}, {}, written + ": File write error: File too large; nothing was written\n"},
        // The book is over the limit, so its backup is the first file that fails.
        {{"import", book, folder.path("more.csv")},
         {},
         "File write error: File too large; the book file was not changed\n"},
    };
    writeFile(folder.path("more.csv"), "date,amount,type\n2004-04-01,-10,Food\n");
    for (const Case& c : cases) {
        std::filesystem::remove(written);
        Outcome result;
        {
            const FileSizeLimit limit(4096);
            result = run(c.args, {}, c.stdoutFile);
        }
        EXPECT_EQ(result.exitCode, 1) << c.stdoutFile;  // -1: ended by SIGXFSZ
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
}

TEST_F(CliTest, ControlBytesOfABookAreShownEscaped) {
    KestLib::AccountDB db;
    db.loadFile(book);
    db.setName("Home\x1b]0;owned\x07");
    db.addType("Wipe\x1b[2J");
    const int wipe = db.findType("Wipe\x1b[2J").id();
    KestLib::Transaction hostile = makeTransaction(wipe, 7, false, 2004, 3, 2, "clear\x1b[2J\\\x7f\x80");
    db.addTransaction(hostile);
    db.saveFile(book);

    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {{"info", book}, {"Name:          Home\\x1b]0;owned\\x07\n", "Wipe\\x1b[2J"}},
        {{"list", book}, {"Wipe\\x1b[2J  clear\\x1b[2J\\\\\\x7f\\u0080\n"}},
        {{"percentage", book}, {"Wipe\\x1b[2J"}},
        {{"budget", book, "--to", "2004-03-31", "--today", "2004-03-10"}, {"Wipe\\x1b[2J"}},
    };
    for (const Case& c : cases) {
        const Outcome result = run(c.args);
        EXPECT_EQ(result.exitCode, 0) << c.args[0] << result.err;
        EXPECT_EQ(result.out.find_first_of("\x1b\x07\x7f"), std::string::npos) << c.args[0];
        for (const std::string& text : c.shown) EXPECT_NE(result.out.find(text), std::string::npos) << result.out;
    }
}

// A file's name is shown as a comment is: escaped, on either output.
TEST_F(CliTest, FileNamesAreShownEscaped) {
    const std::string hostile = folder.path("home\x1b[2J.pwdb");
    std::filesystem::copy_file(book, hostile);
    const std::string csv = folder.path("more.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n");
    const std::string shown = folder.path("home\\x1b[2J.pwdb");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
        std::string err;
    } cases[] = {
        {{"check", hostile}, 0, shown + ": sound, 6 transactions, 4 types\n", ""},
        {{"import", hostile, csv},
         0,
         "Imported 1 transaction into " + shown + "; the previous file is kept as " + shown + ".bak.pwdb.\n",
         ""},
        {{"import", hostile, csv, "--dry-run"},
         0,
         "Would import 1 transaction into " + shown + "; nothing was written.\n",
         ""},
        {{"total", hostile + ".gone"},
         1,
         "",
         "pennywell-cli: " + shown + ".gone: File open error: No such file or directory\n"},
        {{"import", hostile, folder.path("no\x1b]0;x\x07.csv")},
         1,
         "",
         "pennywell-cli: " + folder.path("no\\x1b]0;x\\x07.csv") + ": can't be read: No such file or directory\n"},
        {{"export", hostile, "-o", hostile},
         1,
         "",
         "pennywell-cli: " + shown + ": is the book being exported (" + shown +
             "); the export would replace it, so nothing was written\n"},
    };
    for (const auto& c : cases) {
        const Outcome result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args[0];
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(CliTest, AFileThatCantBeOpenedIsReportedWithTheReason) {
    const std::string missing = folder.path("missing.pwdb");
    const std::string sub = folder.path("sub.pwdb");
    std::filesystem::create_directory(sub);
    const Expected cases[] = {
        {{"total", missing}, 1, "pennywell-cli: " + missing + ": File open error: No such file or directory\n"},
        {{"info", sub}, 1, "pennywell-cli: " + sub + ": File open error: Is a directory\n"},
    };
    for (const Expected& c : cases) {
        const Outcome result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, c.out);
    }
    EXPECT_EQ(run({"check", missing}).out,
              missing + ": damaged or unreadable: File open error: No such file or directory\n");
}
