// The save rule: which files a save writes and asks about, the backup with
// its mode and its own file, the version kept of another program's changes,
// a refusal that leaves every file as it was, the owners kept, and the lock
// that makes saves take turns without ever waiting unbounded.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <thread>
#include <vector>

#include "core/booklock.h"
#include "core/booksave.h"
#include "core/fileidentity.h"
#include "core/fileio.h"
#include "core/saveplan.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/tempdir.h"

using KestLib::BookLock;
using KestLib::BookSave;
using KestLib::FileIdentity;
using KestLib::SavePlan;

namespace {

void writeBook(const std::string& path, const std::string& name) { BookBuilder(name).writeTo(path); }

std::string nameIn(const std::string& path) {
    KestLib::AccountDB db;
    db.loadFile(path);
    return db.name();
}

mode_t modeOf(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return 0;
    return status.st_mode & 07777;
}

bool isRegularFile(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// "2026-12-08T10-31-05": the file's last write in local time.
std::string stampOf(const std::string& path) {
    const std::time_t written = static_cast<std::time_t>(FileIdentity::of(path)->modifiedSeconds);
    std::tm local{};
    ::localtime_r(&written, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H-%M-%S", &local);
    return stamp;
}

// Another program's save: a book of that name renamed over the file, or,
// as an editor may, written over it in place.
void otherProgramSaves(const std::string& path, const std::string& name, bool inPlace = false) {
    const std::string aside = (std::filesystem::path(path).parent_path() / "aside").string();
    writeBook(aside, name);
    if (inPlace) {
        writeFile(path, readFile(aside));
        std::filesystem::remove(aside);
    } else {
        std::filesystem::rename(aside, path);
    }
}

KestLib::AccountDB bookNamed(const std::string& name) { return BookBuilder(name).build(); }

// Plans and writes as the window's Save does, the lock aside.
KestLib::SaveReport saveAs(const std::string& readFrom, const std::string& target, const std::string& name,
                           const std::optional<FileIdentity>& identity = std::nullopt,
                           const KestLib::SaveCalls& calls = {}) {
    KestLib::AccountDB db = bookNamed(name);
    BookSave save(SavePlan::make(readFrom, target, identity));
    return save.write(db, calls);
}

}  // namespace

// Which file is written, which is asked about, which is kept, by what the
// folder holds and what the book was read from.
TEST(SaveRule, PlansFollowWhatIsOnDisk) {
    struct Case {
        const char* what;
        std::function<void(TempDir&)> setUp;
        const char* readFrom;  // empty: a new book or Save As
        const char* target;
        bool changedAfterRead;
        const char* written;
        const char* overwritten;
        const char* backupSource;
        const char* backupFile;
        bool createsTarget;
        const char* keptVersion;  // with STAMP for the other version's time
        // Names taken beside the book once the other program saved it.
        std::vector<std::string> taken = {};
        // The other program wrote the file over in place, as long as it was.
        bool inPlace = false;
    };
    const auto book = [](const char* name) { return [name](TempDir& dir) { writeBook(dir.path(name), "Book"); }; };
    const Case cases[] = {
        {"saved back, unchanged", book("money.pwdb"), "money.pwdb", "money.pwdb", false, "money.pwdb", "", "money.pwdb",
         "money.pwdb.bak.pwdb", false, ""},
        {"read without the extension, completed name free", book("plain"), "plain", "plain", false, "plain.pwdb", "",
         "plain", "plain.bak.pwdb", true, ""},
        {"read without the extension, another book under the completed name",
         [](TempDir& dir) {
             writeBook(dir.path("plain"), "Mine");
             writeBook(dir.path("plain.pwdb"), "Other");
         },
         "plain", "plain", false, "plain.pwdb", "plain.pwdb", "plain.pwdb", "plain.pwdb.bak.pwdb", false, ""},
        {"Save As onto a file", book("other.pwdb"), "", "other.pwdb", false, "other.pwdb", "other.pwdb", "", "", false,
         ""},
        {"read with an upper-case extension, another book under the completed name",
         [](TempDir& dir) {
             writeBook(dir.path("x.PWDB"), "Mine");
             writeBook(dir.path("x.PWDB.pwdb"), "Other");
         },
         "x.PWDB", "x.PWDB", false, "x.PWDB.pwdb", "x.PWDB.pwdb", "x.PWDB.pwdb", "x.PWDB.pwdb.bak.pwdb", false, ""},
        {"Save As to a name whose completed file is there", book("x.pwdb"), "", "x", false, "x.pwdb", "x.pwdb", "", "",
         false, ""},
        {"Save As to a new file", [](TempDir&) {}, "", "new", false, "new.pwdb", "", "", "", true, ""},
        {"Save As to a name a file holds, not the one written",
         [](TempDir& dir) { writeFile(dir.path("fresh"), "my notes"); }, "", "fresh", false, "fresh.pwdb", "", "", "",
         true, ""},
        {"the bound file is gone", [](TempDir&) {}, "money.pwdb", "money.pwdb", false, "money.pwdb", "", "", "", true,
         ""},
        {"changed by another program", book("money.pwdb"), "money.pwdb", "money.pwdb", true, "money.pwdb", "",
         "money.pwdb", "money.pwdb.bak.pwdb", false, "money.pwdb.replaced-STAMP.pwdb"},
        {"changed in place by an editor, as long as it was",
         book("money.pwdb"),
         "money.pwdb",
         "money.pwdb",
         true,
         "money.pwdb",
         "",
         "money.pwdb",
         "money.pwdb.bak.pwdb",
         false,
         "money.pwdb.replaced-STAMP.pwdb",
         {},
         true},
        {"changed, the kept name taken by a file and a dangling link",
         book("money.pwdb"),
         "money.pwdb",
         "money.pwdb",
         true,
         "money.pwdb",
         "",
         "money.pwdb",
         "money.pwdb.bak.pwdb",
         false,
         "money.pwdb.replaced-STAMP-3.pwdb",
         {"money.pwdb.replaced-STAMP.pwdb", "money.pwdb.replaced-STAMP-2.pwdb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.setUp(dir);
        const std::string readFrom = *c.readFrom ? dir.path(c.readFrom) : std::string();
        const std::optional<FileIdentity> read = FileIdentity::of(readFrom);
        const std::string target = dir.path(c.target);
        auto stamped = [&](std::string name) {
            if (const auto at = name.find("STAMP"); at != std::string::npos) name.replace(at, 5, stampOf(target));
            return name;
        };
        if (c.changedAfterRead) {
            // Past the clock's tick, so that the other version tells apart.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            otherProgramSaves(target, "Theirs", c.inPlace);
            if (!c.taken.empty()) {
                writeFile(dir.path(stamped(c.taken[0])), "an earlier one");
                std::filesystem::create_symlink("nowhere", dir.path(stamped(c.taken[1])));
            }
        }
        const SavePlan plan = SavePlan::make(readFrom, target, read);
        auto inDir = [&](const char* name) { return *name ? dir.path(name) : std::string(); };
        const std::string kept = stamped(c.keptVersion);
        EXPECT_EQ(plan.target(), inDir(c.written));
        EXPECT_EQ(plan.overwritten(), inDir(c.overwritten));
        EXPECT_EQ(plan.changedSinceRead(), c.changedAfterRead);
        EXPECT_EQ(plan.backupSource(), inDir(c.backupSource));
        EXPECT_EQ(plan.backupFile(), inDir(c.backupFile));
        EXPECT_EQ(plan.createsTarget(), c.createsTarget);
        EXPECT_EQ(plan.keptVersion(), inDir(kept.c_str()));
        EXPECT_EQ(plan.needsQuestion(), *c.overwritten || c.changedAfterRead);

        // Carried out, the save writes the files its plan names, and no other.
        const std::string backedUp = plan.backupSource().empty() ? "" : nameIn(plan.backupSource());
        std::vector<std::string> expected = dir.entries();
        for (const std::string& written : {plan.target(), plan.backupFile(), plan.keptVersion()})
            if (!written.empty()) expected.push_back(std::filesystem::path(written).filename().string());
        std::sort(expected.begin(), expected.end());
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        KestLib::AccountDB db = bookNamed("Saved");
        BookSave(plan).write(db);
        EXPECT_EQ(nameIn(plan.target()), "Saved");
        if (!plan.backupFile().empty()) EXPECT_EQ(nameIn(plan.backupFile()), backedUp);
        if (!plan.keptVersion().empty()) EXPECT_EQ(nameIn(plan.keptVersion()), "Theirs");
        EXPECT_EQ(dir.entries(), expected);
    }
}

// The file to back up can't be read as a book: the save stops before
// anything is asked or written, naming the file; Save As, which backs
// nothing up, still can.
TEST(SaveRule, ABookDamagedOnDiskStopsTheSave) {
    struct Case {
        const char* what;
        std::string onDisk;
        KestLib::ErrorCode code;
    };
    const Case cases[] = {
        {"truncated to nothing", "", KestLib::ErrorCode::notDatabase},
        {"not a book", "garbage", KestLib::ErrorCode::notDatabase},
        {"cut after the header", std::string("PWDB\x01", 5), KestLib::ErrorCode::damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string book = dir.path("money.pwdb");
        writeFile(book, c.onDisk);
        try {
            BookSave save(SavePlan::make(book, book));
            ADD_FAILURE() << "nothing thrown";
        } catch (const KestLib::ErrorMsg& error) {
            EXPECT_EQ(error.code(), c.code);
            EXPECT_EQ(error.path(), book);
        }
        EXPECT_EQ(readFile(book), c.onDisk);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"money.pwdb"});
        saveAs("", dir.path("rescue"), "Rescued");
        EXPECT_EQ(nameIn(dir.path("rescue.pwdb")), "Rescued");
    }
}

TEST(SaveRule, NamesTooLongAreRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    // 251 bytes: its backup's name would take 260, its kept version's 280.
    const std::string book = dir.path(std::string(246, 'b') + ".pwdb");
    writeBook(book, "Book");
    const auto read = FileIdentity::of(book);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    for (const bool changed : {false, true}) {
        if (changed) otherProgramSaves(book, "Theirs");
        try {
            SavePlan::make(book, book, read);
            ADD_FAILURE() << "nothing thrown";
        } catch (const KestLib::ErrorMsg& error) {
            EXPECT_EQ(error.message(), "The backup file's name would be longer than 255 bytes");
            EXPECT_NE(error.path().find(changed ? ".replaced-" : ".bak.pwdb"), std::string::npos) << error.path();
        }
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{std::string(246, 'b') + ".pwdb"});
}

// An answer stands only for the situation it was given about.
TEST(SaveRule, AQuestionIsAskedAgainWhenTheFileChangedMeanwhile) {
    TempDir dir;
    const std::string book = dir.path("money.pwdb");
    writeBook(book, "Book");
    const auto read = FileIdentity::of(book);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    otherProgramSaves(book, "Theirs");
    const SavePlan asked = SavePlan::make(book, book, read);
    EXPECT_TRUE(SavePlan::make(book, book, read).asksAsBefore(asked));
    otherProgramSaves(book, "Theirs again");
    EXPECT_FALSE(SavePlan::make(book, book, read).asksAsBefore(asked));

    writeBook(dir.path("other.pwdb"), "Other");
    const SavePlan overwrite = SavePlan::make("", dir.path("other.pwdb"));
    EXPECT_TRUE(SavePlan::make("", dir.path("other.pwdb")).asksAsBefore(overwrite));
    otherProgramSaves(dir.path("other.pwdb"), "Other again");
    EXPECT_FALSE(SavePlan::make("", dir.path("other.pwdb")).asksAsBefore(overwrite));
}

// The backup holds the previous file with its source's mode, writable by
// its owner, so that the next save can replace it.
TEST(SaveRule, BackupsKeepTheSourcesModeAndStayReplaceable) {
    struct Case {
        const char* what;
        const char* readFrom;
        mode_t sourceMode;
        mode_t olderBackupMode;  // 0: none there
        const char* backupFile;
        mode_t backupMode;
    };
    const Case cases[] = {
        {"a private book, an older looser backup", "money.pwdb", 0600, 0644, "money.pwdb.bak.pwdb", 0600},
        {"a group's book", "money.pwdb", 0660, 0, "money.pwdb.bak.pwdb", 0660},
        {"read-only, saved under the completed name", "plain", 0444, 0, "plain.bak.pwdb", 0644},
        {"read-only, saved under the completed name again", "plain", 0440, 0640, "plain.bak.pwdb", 0640},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string source = dir.path(c.readFrom), backup = dir.path(c.backupFile);
        writeBook(source, "Previous");
        ::chmod(source.c_str(), c.sourceMode);
        if (c.olderBackupMode != 0) {
            writeBook(backup, "Older");
            ::chmod(backup.c_str(), c.olderBackupMode);
        }
        saveAs(source, source, "New");
        EXPECT_EQ(nameIn(backup), "Previous");
        EXPECT_EQ(modeOf(backup), c.backupMode);
        // The next save of the same kind replaces it.
        if (KestLib::AccountDB::completedFileName(source) != source)
            std::filesystem::remove(KestLib::AccountDB::completedFileName(source));
        EXPECT_EQ(messageOf([&] { saveAs(source, source, "Newer"); }), "<nothing thrown>");
    }
}

namespace {

// What is at the backup's path before a save, and whether the save may
// replace it.
struct AtBackup {
    const char* what;
    std::function<void(TempDir&, const std::string& backup)> make;
    bool replaced;  // else refused, naming the backup, with this errno
    int systemError;
};

void makeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

}  // namespace

// Never written through: a link at the backup's path is replaced by the
// backup, and anything else not a file is refused, the book as it was.
TEST(SaveRule, TheBackupIsAFileOfItsOwn) {
    const AtBackup cases[] = {
        {"a link to notes",
         [](TempDir& dir, const std::string& backup) {
             writeFile(dir.path("notes.txt"), "my notes");
             std::filesystem::create_symlink("notes.txt", backup);
         },
         true, 0},
        {"a link to another book",
         [](TempDir& dir, const std::string& backup) {
             writeBook(dir.path("other.pwdb"), "Other");
             std::filesystem::create_symlink(dir.path("other.pwdb"), backup);
         },
         true, 0},
        {"a link to the book itself",
         [](TempDir&, const std::string& backup) { std::filesystem::create_symlink("money.pwdb", backup); }, true, 0},
        {"a dangling link",
         [](TempDir&, const std::string& backup) { std::filesystem::create_symlink("nowhere.pwdb", backup); }, true, 0},
        {"a folder", [](TempDir&, const std::string& backup) { std::filesystem::create_directory(backup); }, false,
         EISDIR},
        {"a FIFO", [](TempDir&, const std::string& backup) { ::mkfifo(backup.c_str(), 0666); }, false, EPERM},
        {"a socket", [](TempDir&, const std::string& backup) { makeSocket(backup); }, false, EPERM},
        {"a device",
         [](TempDir&, const std::string& backup) {
             ::mknod(backup.c_str(), S_IFCHR | 0666, makedev(1, 3));  // only where devices may be made
         },
         false, EPERM},
    };
    for (const AtBackup& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string book = dir.path("money.pwdb"), backup = dir.path("money.pwdb.bak.pwdb");
        writeBook(book, "Previous");
        c.make(dir, backup);
        if (!std::filesystem::exists(std::filesystem::symlink_status(backup))) {
            std::cout << "[  SKIPPED ] " << c.what << ": can't be made here\n";
            continue;
        }
        const std::string notes = readFile(dir.path("notes.txt")), other = readFile(dir.path("other.pwdb"));
        const auto entries = dir.entries();
        if (c.replaced) {
            saveAs(book, book, "New");
            EXPECT_TRUE(isRegularFile(backup));
            EXPECT_EQ(nameIn(backup), "Previous");
            EXPECT_EQ(nameIn(book), "New");
            EXPECT_EQ(entries, dir.entries());
        } else {
            try {
                saveAs(book, book, "New");
                ADD_FAILURE() << "nothing thrown";
            } catch (const KestLib::ErrorMsg& error) {
                EXPECT_EQ(error.message(), "File open error");
                EXPECT_EQ(error.path(), backup);
                EXPECT_EQ(error.systemError(), c.systemError);
            }
            EXPECT_EQ(nameIn(book), "Previous");
        }
        // What a link led to is never written.
        EXPECT_EQ(readFile(dir.path("notes.txt")), notes);
        EXPECT_EQ(readFile(dir.path("other.pwdb")), other);
    }
}

// A file the save can't open says whether it was to be written or read: the
// core's message is the same, its code tells the two apart.
TEST(SaveRule, AFileThatCantBeOpenedSaysWhetherForWritingOrReading) {
    // The administrator may write into any folder: the refusal a user gets
    // from the kernel there.
    const KestLib::SaveCalls folderRefuses{.openat = [](int, const char*, int, mode_t) {
        errno = EACCES;
        return -1;
    }};
    struct Case {
        const char* what;
        std::function<void(TempDir&)> make;
        const char* readFrom;  // empty: a new book, saved as
        const char* target;
        KestLib::SaveCalls calls;
        KestLib::ErrorCode code;
        int systemError;
        const char* named;  // the file the error names
    };
    const Case cases[] = {
        {"a folder that can't be written",
         [](TempDir& dir) {
             std::filesystem::create_directory(dir.path("locked"));
             ::chmod(dir.path("locked").c_str(), 0555);
         },
         "", "locked/money.pwdb", folderRefuses, KestLib::ErrorCode::fileOpenForWriting, EACCES, "locked/money.pwdb"},
        {"a missing folder",
         [](TempDir&) {},
         "",
         "missing/money.pwdb",
         {},
         KestLib::ErrorCode::fileOpenForWriting,
         ENOENT,
         "missing/money.pwdb"},
        {"a read-only book",
         [](TempDir& dir) { ::chmod(dir.path("money.pwdb").c_str(), 0444); },
         "money.pwdb",
         "money.pwdb",
         {},
         KestLib::ErrorCode::fileOpenForWriting,
         EACCES,
         "money.pwdb"},
        {"a book gone before its backup is read",
         [](TempDir& dir) { std::filesystem::remove(dir.path("money.pwdb")); },
         "money.pwdb",
         "money.pwdb",
         {},
         KestLib::ErrorCode::fileOpen,
         ENOENT,
         "money.pwdb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string book = dir.path("money.pwdb");
        writeBook(book, "Previous");
        const std::string readFrom = *c.readFrom ? dir.path(c.readFrom) : std::string();
        // Planned while the book is there, as the window plans before it asks.
        SavePlan plan = SavePlan::make(readFrom, dir.path(c.target));
        c.make(dir);
        try {
            BookSave save(std::move(plan));
            KestLib::AccountDB db = bookNamed("New");
            save.write(db, c.calls);
            ADD_FAILURE() << "nothing thrown";
        } catch (const KestLib::ErrorMsg& error) {
            EXPECT_EQ(error.code(), c.code);
            EXPECT_EQ(error.message(), "File open error");
            EXPECT_EQ(error.path(), dir.path(c.named));
            EXPECT_EQ(error.systemError(), c.systemError);
        }
        ::chmod(dir.path("locked").c_str(), 0755);
    }
}

// A save refused for any of its files has touched none of them.
TEST(SaveRule, ARefusedSaveLeavesTheBookAndTheBackupAsTheyWere) {
    struct Case {
        const char* what;
        mode_t bookMode;
        mode_t backupMode;
        const char* refused;  // the file named
    };
    const Case cases[] = {
        {"a read-only book", 0444, 0644, "money.pwdb"},
        {"a read-only backup", 0644, 0444, "money.pwdb.bak.pwdb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string book = dir.path("money.pwdb"), backup = dir.path("money.pwdb.bak.pwdb");
        writeBook(book, "Previous");
        writeBook(backup, "Older");
        ::chmod(book.c_str(), c.bookMode);
        ::chmod(backup.c_str(), c.backupMode);
        const std::string bookBytes = readFile(book), backupBytes = readFile(backup);
        try {
            saveAs(book, book, "New");
            ADD_FAILURE() << "nothing thrown";
        } catch (const KestLib::ErrorMsg& error) {
            EXPECT_EQ(error.message(), "File open error");
            EXPECT_EQ(error.path(), dir.path(c.refused));
            EXPECT_EQ(error.systemError(), EACCES);
        }
        EXPECT_EQ(readFile(book), bookBytes);
        EXPECT_EQ(readFile(backup), backupBytes);
        EXPECT_EQ(modeOf(book), c.bookMode);
        EXPECT_EQ(modeOf(backup), c.backupMode);
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"money.pwdb", "money.pwdb.bak.pwdb"}));
    }
}

// The other program's version outlives the next save, which keeps the
// backup rule as it always was.
TEST(SaveRule, TheVersionAnotherProgramSavedIsKeptUnderItsOwnName) {
    TempDir dir;
    const std::string book = dir.path("money.pwdb"), backup = dir.path("money.pwdb.bak.pwdb");
    writeBook(book, "Read");
    ::chmod(book.c_str(), 0640);
    const auto read = FileIdentity::of(book);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    otherProgramSaves(book, "Theirs");
    ::chmod(book.c_str(), 0640);

    const std::string kept = dir.path("money.pwdb.replaced-") + stampOf(book) + ".pwdb";
    const KestLib::SaveReport report = saveAs(book, book, "Mine", read);
    EXPECT_EQ(report.keptVersion, kept);
    EXPECT_EQ(nameIn(kept), "Theirs");
    EXPECT_EQ(modeOf(kept), 0640u);
    EXPECT_EQ(nameIn(backup), "Theirs");
    EXPECT_EQ(nameIn(book), "Mine");

    // The next save, an import say, rewrites the backup and keeps nothing new.
    const KestLib::SaveReport next = saveAs(book, book, "Imported", FileIdentity::of(book));
    EXPECT_EQ(next.keptVersion, "");
    EXPECT_EQ(nameIn(kept), "Theirs");
    EXPECT_EQ(nameIn(backup), "Mine");
    EXPECT_EQ(dir.entries().size(), 3u);
}

namespace {

// The owners each fchown asked for, and the answer the test gives: the
// user may be given only to the user the file already has.
std::vector<KestLib::FileOwners> asked;
uid_t writer = 0;
int onlyTheGroup(int file, uid_t user, gid_t group) {
    asked.push_back({user, group});
    if (user != static_cast<uid_t>(-1) && user != writer) {
        errno = EPERM;
        return -1;
    }
    return ::fchown(file, user, group);
}

}  // namespace

// The backup gets the book's owners, as the book does; what can't be kept
// is reported for each file.
TEST(SaveRule, TheBackupAndTheBookKeepTheBooksGroupWhereTheUserCantBeKept) {
    TempDir dir;
    const std::string book = dir.path("money.pwdb"), backup = dir.path("money.pwdb.bak.pwdb");
    writeBook(book, "Previous");
    struct stat status {};
    ASSERT_EQ(::stat(book.c_str(), &status), 0);
    writer = status.st_uid;
    // What fstat shows of the new files is the writer's; the book is said
    // to be another user's, in another group, by its stat.
    const KestLib::FileOwners theirs{status.st_uid + 1, status.st_gid + 1};
    // Only the administrator may; test_fileio checks the same steps as any user.
    if (::chown(book.c_str(), theirs.user, theirs.group) != 0) GTEST_SKIP() << "files can't be given away here";
    asked.clear();
    const KestLib::SaveReport report =
        saveAs(book, book, "New", std::nullopt, KestLib::SaveCalls{.fchown = onlyTheGroup});
    const KestLib::FileOwners mine{status.st_uid, status.st_gid};
    const KestLib::FileOwners groupKept{mine.user, theirs.group};
    EXPECT_EQ(asked,
              (std::vector<KestLib::FileOwners>{
                  theirs, {static_cast<uid_t>(-1), theirs.group}, theirs, {static_cast<uid_t>(-1), theirs.group}}));
    ASSERT_EQ(report.ownersNotKept.size(), 2u);
    EXPECT_EQ(report.ownersNotKept[0].path, backup);
    EXPECT_EQ(report.ownersNotKept[1].path, book);
    for (const KestLib::OwnersNotKept& file : report.ownersNotKept) {
        EXPECT_EQ(file.wanted, theirs) << file.path;
        EXPECT_EQ(file.got, groupKept) << file.path;
        struct stat now {};
        ASSERT_EQ(::stat(file.path.c_str(), &now), 0);
        EXPECT_EQ((KestLib::FileOwners{now.st_uid, now.st_gid}), groupKept) << file.path;
    }
}

// ---- The lock ----

namespace {

// What is at the book's path when the lock is taken.
struct LockCase {
    const char* what;
    std::function<void(const std::string& path)> make;
    bool holdsFile;
};

}  // namespace

TEST(BookLockRule, OnlyARegularFileItsUserMayWriteIsLocked) {
    const LockCase cases[] = {
        {"a book", [](const std::string& path) { writeFile(path, "book"); }, true},
        {"nothing there", [](const std::string&) {}, false},
        {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }, false},
        {"a FIFO, which must not stall the lock", [](const std::string& path) { ::mkfifo(path.c_str(), 0666); }, false},
        {"a link to a book",
         [](const std::string& path) {
             writeFile(path + ".real", "book");
             std::filesystem::create_symlink(path + ".real", path);
         },
         true},
    };
    for (const LockCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.path("money.pwdb");
        c.make(path);
        std::optional<BookLock> lock = BookLock::tryTake(path);
        ASSERT_TRUE(lock.has_value());
        EXPECT_EQ(lock->holdsFile(), c.holdsFile);
        // Held, it keeps every other taker out, within this process too.
        if (c.holdsFile) EXPECT_FALSE(BookLock::tryTake(path).has_value());
        lock.reset();
        EXPECT_TRUE(BookLock::tryTake(path).has_value());
    }
}

// Before, one who could only read the book took its lock and stalled every
// save. Two users are needed: the reader is nobody, the writer the owner.
TEST(BookLockRule, AReaderCantHoldUpTheBooksWriters) {
    if (::geteuid() != 0) GTEST_SKIP() << "a second user is needed";
    TempDir dir;
    const std::string path = dir.path("money.pwdb");
    writeFile(path, "book");
    ::chmod(path.c_str(), 0644);
    ::chmod(dir.path("").c_str(), 0755);
    int taken[2], done[2];
    ASSERT_EQ(::pipe(taken), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t reader = ::fork();
    if (reader == 0) {
        // nobody, by its usual ids.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const std::optional<BookLock> lock = BookLock::tryTake(path);
        const char held = lock && lock->holdsFile() ? 'y' : 'n';
        char go;
        if (::write(taken[1], &held, 1) != 1 || ::read(done[0], &go, 1) != 1) ::_exit(2);
        ::_exit(0);
    }
    char held = '?';
    ASSERT_EQ(::read(taken[0], &held, 1), 1);
    const std::optional<BookLock> writer = BookLock::tryTake(path);
    ASSERT_EQ(::write(done[1], "", 1), 1);
    int status = 0;
    ::waitpid(reader, &status, 0);
    for (const int fd : {taken[0], taken[1], done[0], done[1]}) ::close(fd);
    EXPECT_EQ(held, 'n');
    ASSERT_TRUE(writer.has_value());
    EXPECT_TRUE(writer->holdsFile());
}

TEST(BookLockRule, AWaitEndsWhenTheLockIsFreeOrPatienceRunsOut) {
    struct Case {
        const char* what;
        int releasedAfter;  // ms; -1: never
        int patience;       // ms
        bool taken;
    };
    const Case cases[] = {
        {"free at once", 0, 0, true},
        {"held throughout, no patience", -1, 0, false},
        {"held throughout", -1, 300, false},
        {"released meanwhile", 150, 5000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.path("money.pwdb");
        writeFile(path, "book");
        std::optional<BookLock> other;
        if (c.releasedAfter != 0) other = BookLock::tryTake(path);
        std::thread release([&] {
            if (c.releasedAfter <= 0) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(c.releasedAfter));
            other.reset();
        });
        const auto start = std::chrono::steady_clock::now();
        const std::optional<BookLock> lock = BookLock::waitFor(path, std::chrono::milliseconds(c.patience));
        const auto waited = std::chrono::steady_clock::now() - start;
        release.join();
        EXPECT_EQ(lock.has_value(), c.taken);
        if (c.taken) EXPECT_TRUE(lock->holdsFile());
        if (!c.taken) EXPECT_GE(waited, std::chrono::milliseconds(c.patience));
        if (c.releasedAfter > 0) {
            EXPECT_GE(waited, std::chrono::milliseconds(c.releasedAfter));
            EXPECT_LT(waited, std::chrono::milliseconds(c.patience));
        }
    }
}

// A save renames a new file over the one locked: the next taker locks the
// new file, which the last holder never held.
TEST(BookLockRule, AFileRenamedOverTheLockedOneIsLockedAnew) {
    TempDir dir;
    const std::string path = dir.path("money.pwdb");
    writeFile(path, "first");
    const std::optional<BookLock> first = BookLock::tryTake(path);
    ASSERT_TRUE(first && first->holdsFile());
    writeFile(dir.path("new"), "second");
    std::filesystem::rename(dir.path("new"), path);
    const std::optional<BookLock> second = BookLock::tryTake(path);
    ASSERT_TRUE(second && second->holdsFile());
    EXPECT_FALSE(BookLock::tryTake(path).has_value());
}
