// Which files pennywell-cli writes, which it refuses to replace, and how two
// imports of one book at once take turns.

#include <grp.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <thread>

#include "core/booklock.h"
#include "core/ownernames.h"
#include "tests/cli/clitest.h"

using KestLib::AccountDB;

namespace {

struct FileState {
    std::string bytes;
    mode_t mode = 0;
    friend bool operator==(const FileState&, const FileState&) = default;
};

mode_t modeOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

void writeBookNamed(const std::string& path, const std::string& name) {
    AccountDB db;
    db.reset();
    db.setName(name);
    std::string written = path;
    db.saveFile(written);
    if (written != path) std::filesystem::rename(written, path);
}

int transactionsIn(const std::string& path) {
    AccountDB db;
    db.loadFile(path);
    return db.transCount();
}

}  // namespace

class CliFileRules : public CliTest {
protected:
    // Every file in the folder but the runs' outputs, with its bytes (a
    // link's are those it leads to; a folder has none) and mode.
    std::map<std::string, FileState> files() const {
        std::map<std::string, FileState> found;
        for (const std::string& name : folder.entries()) {
            if (name == "stdout" || name == "stderr") continue;
            const std::string path = folder.path(name);
            found[name] = {std::filesystem::is_directory(path) ? std::string() : readFile(path), modeOf(path)};
        }
        return found;
    }
};

TEST_F(CliFileRules, CommandsWriteOnlyTheFileTheyMayReplace) {
    const std::string csv = folder.path("bank.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n");
    const std::string money = folder.path("money"), moneyBook = folder.path("money.pwdb");
    const std::string longBook = folder.path(std::string(246, 'b') + ".pwdb");  // 251 bytes; its backup 260
    const std::string backup = book + ".bak.pwdb";

    struct Case {
        const char* what;
        std::function<void()> setUp;
        std::vector<std::string> args;
        int exitCode;
        std::string error;                      // what standard error holds
        std::map<std::string, mode_t> changed;  // the files written, with the mode each must have
    };
    const Case cases[] = {
        {"import reads BOOK but would write another book at BOOK.pwdb",
         [&] {
             std::filesystem::copy_file(book, money);
             writeBookNamed(moneyBook, "Other");
         },
         {"import", money, csv},
         1,
         moneyBook + ": the import would be saved to this file, which is another book than " + money +
             "; nothing was written",
         {}},
        {"--create of an absent BOOK whose completed name exists",
         [&] { writeBookNamed(moneyBook, "Other"); },
         {"import", money, csv, "--create"},
         1,
         moneyBook + ": the new book would replace this file, which exists; nothing was written",
         {}},
        {"export onto the book itself",
         [] {},
         {"export", book, "-o", book},
         1,
         book + ": is the book being exported (" + book + "); the export would replace it, so nothing was written",
         {}},
        {"export through a symbolic link to the book",
         [&] { std::filesystem::create_symlink(book, folder.path("link.csv")); },
         {"export", book, "-o", folder.path("link.csv")},
         1,
         "is the book being exported",
         {}},
        {"export through a hard link to the book",
         [&] { std::filesystem::create_hard_link(book, folder.path("hard.csv")); },
         {"export", folder.path("hard.csv"), "-o", book},
         1,
         "is the book being exported",
         {}},
        {"a failed export leaves the file it would replace as it was",
         [&] {
             writeFile(folder.path("out.csv"), "kept");
             ::chmod(folder.path("out.csv").c_str(), 0444);
         },
         {"export", book, "-o", folder.path("out.csv")},
         1,
         folder.path("out.csv") + ": File open error: Permission denied; nothing was written",
         {}},
        {"export onto another book",
         [&] { writeBookNamed(moneyBook, "Other"); },
         {"export", book, "-o", moneyBook},
         1,
         moneyBook + ": is a Pennywell book; the export would replace it, so nothing was written (--force replaces it)",
         {}},
        {"export onto a damaged book, its magic all that is left",
         [&] { writeFile(money, "PWDB"); },
         {"export", book, "-o", money, "--format", "ledger"},
         1,
         money + ": is a Pennywell book",
         {}},
        {"export onto the book's backup",
         [&] { writeBookNamed(backup, "Older"); },
         {"export", book, "-o", backup},
         1,
         backup + ": is the backup of " + book +
             "; the export would replace it, so nothing was written (--force "
             "replaces it)",
         {}},
        {"export onto a backup that is no book",
         [&] { writeFile(backup, "notes"); },
         {"export", book, "-o", backup},
         1,
         backup + ": is the backup of " + book,
         {}},
        {"export onto another book, forced",
         [&] {
             writeBookNamed(moneyBook, "Other");
             ::chmod(moneyBook.c_str(), 0640);
         },
         {"export", book, "-o", moneyBook, "--force"},
         0,
         "",
         {{"money.pwdb", 0640}}},
        {"export onto the book itself, forced",
         [] {},
         {"export", book, "-o", book, "--force"},
         1,
         "is the book being exported",
         {}},
        {"export onto a CSV file that is there",
         [&] {
             writeFile(folder.path("out.csv"), "index,date\n");
             ::chmod(folder.path("out.csv").c_str(), 0600);
         },
         {"export", book, "-o", folder.path("out.csv")},
         0,
         "",
         {{"out.csv", 0600}}},
        // Which files a save may replace, and with what mode, is the save
        // rule's, tested on its own; these rows show the command line
        // reports its refusals, before the save and while writing.
        {"a backup whose name would be over 255 bytes",
         [&] { std::filesystem::copy_file(book, longBook); },
         {"import", longBook, csv},
         1,
         longBook + ".bak.pwdb: The backup file's name would be longer than 255 bytes; nothing was written",
         {}},
        {"a read-only book is refused before its backup is touched",
         [&] {
             writeBookNamed(backup, "Older");
             ::chmod(book.c_str(), 0444);
         },
         {"import", book, csv},
         1,
         book + ": File open error: Permission denied; the book file was not changed",
         {}},
    };

    const std::string pristine = readFile(book);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& name : folder.entries()) std::filesystem::remove_all(folder.path(name));
        writeFile(book, pristine);
        writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n");
        c.setUp();
        const auto before = files();

        const Outcome result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        if (c.error.empty())
            EXPECT_EQ(result.err, "");
        else
            EXPECT_NE(result.err.find(c.error), std::string::npos) << result.err;

        // The files written have the modes asked for; every other file is
        // as it was, and no file came or went.
        auto after = files(), unchanged = before;
        for (const auto& [name, mode] : c.changed) {
            ASSERT_TRUE(after.count(name)) << name;
            EXPECT_EQ(after[name].mode, mode) << name;
            after.erase(name);
            unchanged.erase(name);
        }
        EXPECT_EQ(after, unchanged);
    }
}

TEST_F(CliFileRules, ImportsOfOneBookTakeTurnsAndKeepEveryRow) {
    const std::string csv = folder.path("bank.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n2004-04-02,-20,Food\n");
    int expected = transactionsIn(book);

    // Another program holds the book: the import waits for it, then reads
    // what that program saved, not what was there when it started.
    std::optional<KestLib::BookLock> held = KestLib::BookLock::tryTake(book);
    ASSERT_TRUE(held && held->holdsFile());
    const Running waiting = start({"import", book, csv});
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    int status = 0;
    ASSERT_EQ(::waitpid(waiting.child, &status, WNOHANG), 0) << "the import did not wait for the lock";
    AccountDB other;
    other.loadFile(book);
    KestLib::Transaction added = makeTransaction(other.findType("Food").id(), 5, false, 2004, 4, 3, "other");
    other.addTransaction(added);
    std::string written = book;
    other.saveFile(written);
    held.reset();
    const Outcome imported = finish(waiting);
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    expected += 1 + 2;
    EXPECT_EQ(transactionsIn(book), expected);

    // Two imports started at once, a few times over: both land each time.
    for (int round = 0; round < 4; ++round) {
        const Running first = start({"import", book, csv}, {}, "first");
        const Running second = start({"import", book, csv}, {}, "second");
        const Outcome a = finish(first), b = finish(second);
        EXPECT_EQ(a.exitCode, 0) << a.err;
        EXPECT_EQ(b.exitCode, 0) << b.err;
        expected += 4;
        EXPECT_EQ(transactionsIn(book), expected) << "round " << round;
    }
}

// Another program that holds the book (stopped, say) is waited for as long
// as --wait allows, and no longer: then the import gives up, naming why,
// and writes nothing.
TEST_F(CliFileRules, AnImportWaitsForTheLockAsLongAsItMay) {
    const std::string csv = folder.path("bank.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n");
    struct Case {
        std::vector<std::string> wait;  // the option as given
        int seconds;
        bool saysItWaits;
    };
    const Case cases[] = {
        {{"--wait", "1"}, 1, true},
        {{"--wait", "0"}, 0, false},
    };
    const std::optional<KestLib::BookLock> held = KestLib::BookLock::tryTake(book);
    ASSERT_TRUE(held && held->holdsFile());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wait.back());
        const auto before = files();
        std::vector<std::string> args{"import", book, csv};
        args.insert(args.end(), c.wait.begin(), c.wait.end());
        const auto start = std::chrono::steady_clock::now();
        const Outcome result = run(args);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find("another program is saving " + book + "; gave up after " + std::to_string(c.seconds) +
                                  " s (--wait); nothing was written"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.err.find("waiting for another program that is saving " + book) != std::string::npos,
                  c.saysItWaits)
            << result.err;
        EXPECT_GE(waited, std::chrono::seconds(c.seconds));
        EXPECT_LT(waited, std::chrono::seconds(c.seconds + 5));
        EXPECT_EQ(files(), before);
    }
    // A wait that is not a whole number of seconds is a usage error.
    EXPECT_EQ(run({"import", book, csv, "--wait", "1.5"}).exitCode, 2);
    EXPECT_EQ(run({"import", book, csv, "--wait", "-1"}).exitCode, 2);
}

// A user of the book's group saves it: the file can't stay its owner's, nor
// keep a group the saver isn't in, and the import says so on standard error
// while it succeeds. Run as nobody, so the administrator is needed.
TEST_F(CliFileRules, AnImportThatCantKeepTheOwnersSaysSo) {
    if (::geteuid() != 0) GTEST_SKIP() << "a second user is needed";
    const std::string csv = folder.path("bank.csv");
    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n");
    const gid_t family = 4321;  // a group nobody is not in
    ASSERT_EQ(::chmod(folder.path("").c_str(), 0777), 0);
    ASSERT_EQ(::chown(book.c_str(), 0, family), 0);
    ASSERT_EQ(::chmod(book.c_str(), 0666), 0);
    ::chmod(csv.c_str(), 0644);

    const std::string errPath = folder.path("stderr");
    const pid_t child = ::fork();
    if (child == 0) {
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        ::dup2(err, 2);
        const int out = ::open("/dev/null", O_WRONLY);
        ::dup2(out, 1);
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(126);
        std::vector<std::string> args{"import", book, csv};
        std::vector<char*> argv{const_cast<char*>(CLI_PROGRAM)};
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(CLI_PROGRAM, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string err = readFile(errPath);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << err;
    struct stat now {};
    ASSERT_EQ(::stat(book.c_str(), &now), 0);
    EXPECT_EQ(now.st_uid, 65534u);
    const std::string theirs = ", not to root, group " + KestLib::groupName(family);
    for (const std::string& file : {book + ".bak.pwdb", book})
        EXPECT_NE(err.find("warning: " + file + " now belongs to " + KestLib::userName(65534) + ", group " +
                           KestLib::groupName(now.st_gid) + theirs),
                  std::string::npos)
            << err;
}

// Two imports that create one book at once: both land, or the later is
// refused with the reason and writes nothing, so no row is lost unsaid.
TEST_F(CliFileRules, TwoImportsCreatingOneBookSayWhyTheLaterIsRefused) {
    const std::string csv = folder.path("bank.csv");
    // Long enough to read that both look for the book before either writes it.
    std::string rows = "date,amount,type\n";
    for (int k = 0; k < 50000; ++k) rows += "2004-04-01," + std::to_string(k + 1) + ",Food\n";
    writeFile(csv, rows);
    const std::string created = folder.path("new.pwdb");
    for (int round = 0; round < 3; ++round) {
        std::filesystem::remove(created);
        const Running first = start({"import", created, csv, "--create"}, {}, "first");
        const Running second = start({"import", created, csv, "--create"}, {}, "second");
        int landed = 0;
        for (const Outcome& outcome : {finish(first), finish(second)}) {
            if (outcome.exitCode == 0) {
                ++landed;
                continue;
            }
            EXPECT_EQ(outcome.exitCode, 1);
            EXPECT_EQ(outcome.err, "pennywell-cli: " + created +
                                       ": was created by another program while this "
                                       "import ran (File open error: File exists); nothing was written, so import "
                                       "again to add to it\n");
        }
        EXPECT_GE(landed, 1) << "round " << round;
        EXPECT_EQ(transactionsIn(created), 50000 * landed) << "round " << round;
    }
}
