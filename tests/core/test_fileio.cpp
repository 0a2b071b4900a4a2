// The atomic save's promises: any name the file system takes, the
// permissions of new and replaced files, links followed, targets refused,
// every failure reported with the old file kept, and a save killed at any
// moment leaving the old or the new file whole and nothing partial beside.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/fileio.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/tempdir.h"

using KestLib::SaveCalls;
using KestLib::writeFileAtomically;

namespace {

const std::string oldBytes = "old contents";
const std::string newBytes = "new contents, longer than the old";

mode_t modeOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return 0;
    return status.st_mode & 07777;
}

// Sets the umask for one test and puts the previous one back.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : previous(::umask(mask)) {}
    ~UmaskScope() { ::umask(previous); }

private:
    mode_t previous;
};

int failWith(int error) {
    errno = error;
    return -1;
}

bool isFolder(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
}

// A file system without unnamed files, and a kernel that won't name one.
int noUnnamedFiles(int folder, const char* name, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) == O_TMPFILE) return failWith(EOPNOTSUPP);
    return ::openat(folder, name, flags, mode);
}
int noLinks(int, const char*, int, const char*, int) { return failWith(EPERM); }
int noFilesAtAll(int, const char*, int, mode_t) { return failWith(EACCES); }
int modeRefused(int, mode_t) { return failWith(EPERM); }
int fileSyncFails(int fd) { return isFolder(fd) ? ::fsync(fd) : failWith(EIO); }
int folderSyncFails(int fd) { return isFolder(fd) ? failWith(EIO) : ::fsync(fd); }
int noSync(int) { return 0; }

// The two ways a save goes: through an unnamed file, and the named fallback.
struct Way {
    const char* name;
    SaveCalls calls;
};
const Way bothWays[] = {
    {"unnamed", SaveCalls{}},
    {"named fallback", SaveCalls{.openat = noUnnamedFiles}},
};

}  // namespace

TEST(AtomicSave, AnyNameTheFileSystemTakesIsSaved) {
    for (const Way& way : bothWays) {
        for (const std::size_t length : {std::size_t{1}, std::size_t{249}, std::size_t{255}}) {
            TempDir dir;
            const std::string path = dir.path(std::string(length, 'n'));
            writeFileAtomically(path, oldBytes, way.calls);
            writeFileAtomically(path, newBytes, way.calls);
            EXPECT_EQ(readFile(path), newBytes) << way.name << ", " << length << " bytes";
            EXPECT_EQ(dir.entries(), std::vector<std::string>{std::string(length, 'n')}) << way.name;
        }
        TempDir dir;
        EXPECT_EQ(messageOf([&] { writeFileAtomically(dir.path(std::string(256, 'n')), newBytes, way.calls); }),
                  "File open error")
            << way.name;
        EXPECT_TRUE(dir.entries().empty()) << way.name;
    }
    // The same through the database, whose ".pwdb" ends the longest name.
    TempDir dir;
    std::string path = dir.path(std::string(250, 'n') + ".pwdb");
    KestLib::AccountDB db = sampleDatabase();
    db.saveFile(path);
    EXPECT_FALSE(db.isModified());
    EXPECT_EQ(readFile(path), KestLib::encodeDatabase(db));
}

TEST(AtomicSave, NewFileGetsTheUmasksModeAndAReplacedOneKeepsItsOwn) {
    struct Case {
        mode_t umask;
        mode_t existing;  // 0: no file yet
        mode_t expected;
    };
    const Case cases[] = {
        {022, 0, 0644},    {077, 0, 0600},  {002, 0, 0664},    {077, 0664, 0664},
        {022, 0600, 0600}, {0, 0640, 0640}, {077, 0755, 0755},
    };
    for (const Way& way : bothWays) {
        for (const Case& c : cases) {
            TempDir dir;
            const std::string path = dir.path("book.pwdb");
            if (c.existing != 0) {
                writeFile(path, oldBytes);
                ::chmod(path.c_str(), c.existing);
            }
            const UmaskScope mask(c.umask);
            writeFileAtomically(path, newBytes, way.calls);
            EXPECT_EQ(modeOf(path), c.expected)
                << way.name << ", umask " << std::oct << c.umask << ", was " << c.existing;
            EXPECT_EQ(readFile(path), newBytes);
        }
    }
}

namespace {

// Where another program's file appears while a create-only write runs.
std::string appearing;
int fileAppearsAtTheSync(int fd) {
    if (!isFolder(fd)) writeFile(appearing, oldBytes);
    return ::fsync(fd);
}

}  // namespace

TEST(AtomicSave, ACreateOnlyWriteLeavesAFileThatIsThereOrAppearsAlone) {
    KestLib::WriteOptions createOnly;
    createOnly.replace = false;
    for (const Way& way : bothWays) {
        for (const bool before : {true, false}) {
            TempDir dir;
            appearing = dir.path("book.pwdb");
            SaveCalls calls = way.calls;
            if (before)
                writeFile(appearing, oldBytes);
            else
                calls.fsync = fileAppearsAtTheSync;
            const std::string thrown = messageOf([&] { writeFileAtomically(appearing, newBytes, calls, createOnly); });
            EXPECT_EQ(thrown, "File open error") << way.name << (before ? ", there before" : ", appearing");
            EXPECT_EQ(readFile(appearing), oldBytes) << way.name;
            EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.pwdb"}) << way.name;
        }
    }
}

TEST(AtomicSave, LinksAreFollowedToTheFileTheyName) {
    TempDir dir;
    std::filesystem::create_directory(dir.path("books"));
    const std::string real = dir.path("books/real.pwdb");
    writeFile(real, oldBytes);
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, dir.path("absolute"));
    std::filesystem::create_symlink("books/real.pwdb", dir.path("relative"));
    std::filesystem::create_symlink("relative", dir.path("chain"));
    std::filesystem::create_symlink("books/new.pwdb", dir.path("dangling"));

    const std::pair<const char*, const char*> cases[] = {
        {"absolute", "books/real.pwdb"},
        {"relative", "books/real.pwdb"},
        {"chain", "books/real.pwdb"},
        {"dangling", "books/new.pwdb"},
    };
    for (const auto& [link, written] : cases) {
        const std::string bytes = newBytes + link;
        writeFileAtomically(dir.path(link), bytes);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.path(link))) << link;
        EXPECT_EQ(readFile(dir.path(written)), bytes) << link;
    }
    EXPECT_EQ(modeOf(real), 0640u);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"absolute", "books", "chain", "dangling", "relative"}));
    EXPECT_EQ(dir.entries("books"), (std::vector<std::string>{"new.pwdb", "real.pwdb"}));
}

TEST(AtomicSave, TargetsThatMustNotBeReplacedAreRefused) {
    TempDir dir;
    const std::string readOnly = dir.path("read-only.pwdb");
    writeFile(readOnly, oldBytes);
    ::chmod(readOnly.c_str(), 0444);
    std::filesystem::create_symlink("read-only.pwdb", dir.path("link to read-only"));
    std::filesystem::create_directory(dir.path("folder.pwdb"));
    ::mkfifo(dir.path("pipe.pwdb").c_str(), 0666);
    std::filesystem::create_symlink("loop", dir.path("loop"));

    for (const char* target : {"read-only.pwdb", "link to read-only", "folder.pwdb", "pipe.pwdb", "loop"})
        EXPECT_EQ(messageOf([&] { writeFileAtomically(dir.path(target), newBytes); }), "File open error") << target;
    EXPECT_EQ(readFile(readOnly), oldBytes);
    EXPECT_EQ(modeOf(readOnly), 0444u);
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"folder.pwdb", "link to read-only", "loop", "pipe.pwdb", "read-only.pwdb"}));
}

// Each failure a save can meet, injected: before the rename the old file
// must stay as it was, and after it the save must still not be reported
// done; either way nothing may be left beside the book.
TEST(AtomicSave, FailuresAreReportedAndLeaveNothingBeside) {
    struct Case {
        const char* what;
        SaveCalls calls;
        const char* message;
        const char* bookAfter;  // of an existing book
    };
    const Case cases[] = {
        {"permissions can't be kept", {.fchmod = modeRefused}, "File write error", "old"},
        {"file sync fails", {.fsync = fileSyncFails}, "File write error", "old"},
        {"folder sync fails after the rename", {.fsync = folderSyncFails}, "File write error", "new"},
        {"no file can be created", {.openat = noFilesAtAll}, "File open error", "old"},
        {"no unnamed files", {.openat = noUnnamedFiles}, "<nothing thrown>", "new"},
        {"unnamed file can't be named", {.linkat = noLinks}, "<nothing thrown>", "new"},
        {"named fallback, permissions", {.openat = noUnnamedFiles, .fchmod = modeRefused}, "File write error", "old"},
        {"named fallback, file sync", {.openat = noUnnamedFiles, .fsync = fileSyncFails}, "File write error", "old"},
        {"named fallback, folder sync",
         {.openat = noUnnamedFiles, .fsync = folderSyncFails},
         "File write error",
         "new"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.path("book.pwdb");
        writeFile(path, oldBytes);
        ::chmod(path.c_str(), 0640);
        EXPECT_EQ(messageOf([&] { writeFileAtomically(path, newBytes, c.calls); }), c.message) << c.what;
        EXPECT_EQ(readFile(path), std::string(c.bookAfter) == "old" ? oldBytes : newBytes) << c.what;
        EXPECT_EQ(modeOf(path), 0640u) << c.what;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.pwdb"}) << c.what;

        // A new book: written whole or not at all.
        TempDir fresh;
        const std::string newPath = fresh.path("new.pwdb");
        EXPECT_EQ(messageOf([&] { writeFileAtomically(newPath, newBytes, c.calls); }),
                  c.calls.fchmod == modeRefused ? "<nothing thrown>" : c.message)
            << c.what << ", new book";
        const auto entries = fresh.entries();
        EXPECT_TRUE(entries.empty() ||
                    (entries == std::vector<std::string>{"new.pwdb"} && readFile(newPath) == newBytes))
            << c.what << ", new book";
    }
}

// What the user is told besides the fixed message: the path as given and
// the errno of the step that failed, even for refusals root would not meet.
TEST(AtomicSave, FailuresNameTheFileAndTheSystemsReason) {
    struct Case {
        const char* what;
        const char* name;  // in a folder holding a read-only book and a folder
        SaveCalls calls;
        const char* message;
        int systemError;
    };
    const Case cases[] = {
        {"missing folder", "missing/book.pwdb", {}, "File open error", ENOENT},
        {"read-only file", "read-only.pwdb", {}, "File open error", EACCES},
        {"a folder", "folder.pwdb", {}, "File open error", EISDIR},
        {"no file can be created", "new.pwdb", {.openat = noFilesAtAll}, "File open error", EACCES},
        {"disk full at the sync",
         "new.pwdb",
         {.fsync = [](int fd) { return isFolder(fd) ? 0 : failWith(ENOSPC); }},
         "File write error",
         ENOSPC},
        {"folder sync fails", "new.pwdb", {.fsync = folderSyncFails}, "File write error", EIO},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFile(dir.path("read-only.pwdb"), oldBytes);
        ::chmod(dir.path("read-only.pwdb").c_str(), 0444);
        std::filesystem::create_directory(dir.path("folder.pwdb"));
        const std::string path = dir.path(c.name);
        try {
            writeFileAtomically(path, newBytes, c.calls);
            ADD_FAILURE() << c.what << ": nothing thrown";
        } catch (const KestLib::ErrorMsg& error) {
            EXPECT_EQ(error.message(), c.message) << c.what;
            EXPECT_EQ(error.path(), path) << c.what;
            EXPECT_EQ(error.systemError(), c.systemError) << c.what;
        }
    }
}

namespace {

// The calls the owners are given through, and what the system answers: any
// change, the group alone (as to a member of the group), or nothing.
std::vector<KestLib::FileOwners> ownersAsked;
int chownAllowed(int, uid_t user, gid_t group) {
    ownersAsked.push_back({user, group});
    return 0;
}
int chownGroupOnly(int, uid_t user, gid_t group) {
    ownersAsked.push_back({user, group});
    return user == static_cast<uid_t>(-1) ? 0 : failWith(EPERM);
}
int chownRefused(int, uid_t user, gid_t group) {
    ownersAsked.push_back({user, group});
    return failWith(EPERM);
}

}  // namespace

// A file is to have the owners asked for (another user and group here); the
// user is given where the system allows, else the group alone, and what
// couldn't be kept is reported. The writer's own ids ask for nothing.
TEST(AtomicSave, OwnersAreGivenWhereAllowedAndTheGroupKeptWhereNot) {
    const KestLib::FileOwners writer{::geteuid(), ::getegid()};
    const KestLib::FileOwners other{writer.user + 1, writer.group + 1};
    const uid_t anyUser = static_cast<uid_t>(-1);
    struct Case {
        const char* what;
        int (*fchown)(int, uid_t, gid_t);
        KestLib::FileOwners wanted;
        std::vector<KestLib::FileOwners> asked;
        bool reported;
        KestLib::FileOwners got;  // as reported
    };
    const Case cases[] = {
        {"allowed", chownAllowed, other, {other}, false, {}},
        {"the group only", chownGroupOnly, other, {other, {anyUser, other.group}}, true, {writer.user, other.group}},
        {"refused", chownRefused, other, {other, {anyUser, other.group}}, true, writer},
        {"the writer's own", chownRefused, writer, {}, false, {}},
    };
    for (const Way& way : bothWays) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(way.name) + ", " + c.what);
            TempDir dir;
            const std::string path = dir.path("book.pwdb");
            SaveCalls calls = way.calls;
            calls.fchown = c.fchown;
            KestLib::WriteOptions options;
            options.owners = c.wanted;
            ownersAsked.clear();
            const auto notKept = writeFileAtomically(path, newBytes, calls, options);
            EXPECT_EQ(ownersAsked, c.asked);
            ASSERT_EQ(notKept.has_value(), c.reported);
            if (notKept) {
                EXPECT_EQ(notKept->path, path);
                EXPECT_EQ(notKept->wanted, c.wanted);
                EXPECT_EQ(notKept->got, c.got);
            }
            EXPECT_EQ(readFile(path), newBytes);
        }
    }
}

// The same through the system itself: a replaced file keeps the group the
// writer gave it (one of the writer's other groups, where the machine gives
// one) and, for the administrator, its user too.
TEST(AtomicSave, AReplacedFileKeepsItsOwners) {
    gid_t groups[64];
    const int count = ::getgroups(64, groups);
    std::optional<gid_t> otherGroup;
    for (int i = 0; i < count; ++i)
        if (groups[i] != ::getegid()) otherGroup = groups[i];
    const bool administrator = ::geteuid() == 0;
    if (!otherGroup && administrator) otherGroup = ::getegid() + 4321;
    if (!otherGroup) GTEST_SKIP() << "the user has no second group here";
    const uid_t user = administrator ? ::geteuid() + 1234 : ::geteuid();
    for (const Way& way : bothWays) {
        TempDir dir;
        const std::string path = dir.path("book.pwdb");
        writeFile(path, oldBytes);
        ::chmod(path.c_str(), 0660);
        ASSERT_EQ(::chown(path.c_str(), user, *otherGroup), 0) << way.name;
        EXPECT_FALSE(writeFileAtomically(path, newBytes, way.calls).has_value()) << way.name;
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, user) << way.name;
        EXPECT_EQ(status.st_gid, *otherGroup) << way.name;
        EXPECT_EQ(modeOf(path), 0660u) << way.name;
    }
}

// A child saves two contents in turn, in a loop, and is killed at a random
// moment, many times over. The book must always be one content whole; a
// file beside it may only be one complete file, caught in the instant between
// its naming and the rename. A killed process, unlike a power cut, loses
// nothing the kernel was given, so the syncs are skipped: the kills then land
// on the steps that matter here rather than mostly on waits for the disk.
TEST(AtomicSave, KilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    TempDir dir;
    const std::string path = dir.path("book.pwdb");
    const int unnamed = ::open(dir.path("").c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (unnamed < 0) GTEST_SKIP() << "this file system has no unnamed files; the named fallback can leave one behind";
    ::close(unnamed);

    const std::string first(24 * 1024, 'a');
    const std::string second(16 * 1024, 'b');
    const SaveCalls calls{.fsync = noSync};
    const auto saveBoth = [&] {
        writeFileAtomically(path, second, calls);
        writeFileAtomically(path, first, calls);
    };
    // The kill comes within the time of about two such rounds.
    auto round = std::chrono::microseconds::max();
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        saveBoth();
        round = std::min(
            round, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start));
    }

    std::mt19937 random(6);
    std::uniform_int_distribution<long> delay(0, 2 * round.count());
    int oldBook = 0;
    int newBook = 0;
    for (int kill = 0; kill < 100; ++kill) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            // The moment is drawn from when the saves run at their usual
            // pace, not from the fork, whose cost varies.
            try {
                saveBoth();
                if (write(started[1], "", 1) != 1) _exit(1);
                for (;;) saveBoth();
            } catch (...) {
            }
            _exit(1);
        }
        char ready;
        const bool running = read(started[0], &ready, 1) == 1;
        close(started[0]);
        close(started[1]);
        if (running) std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child's save failed: " << status;

        const std::string book = readFile(path);
        ASSERT_TRUE(book == first || book == second) << "kill " << kill << ": a book of " << book.size() << " bytes";
        (book == first ? oldBook : newBook) += 1;
        auto beside = dir.entries();
        std::erase(beside, "book.pwdb");
        ASSERT_LE(beside.size(), 1u) << "kill " << kill;
        for (const std::string& entry : beside) {
            const std::string leftover = readFile(dir.path(entry));
            ASSERT_TRUE(leftover == first || leftover == second)
                << "kill " << kill << ": " << entry << " of " << leftover.size() << " bytes";
            std::filesystem::remove(dir.path(entry));
        }
    }
    // Both contents were caught, so the kills fell all over the saves.
    EXPECT_GT(oldBook, 0);
    EXPECT_GT(newBook, 0);
}
