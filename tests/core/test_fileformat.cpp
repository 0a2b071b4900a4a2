// The .pwdb file: exact bytes, round trips, the file name rule, refused and
// damaged files (all-or-nothing loads), and saves that fail.

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/coretestsupport.h"
#include "tests/support/memoryceiling.h"
#include "tests/support/pwdbbuilder.h"
#include "tests/support/tempdir.h"

using namespace KestLib;

namespace {

const std::string homeBytes = std::string("PWDB\x01\x40\x84\xF6\xD6\x56\x10\x00\x00", 13) + std::string(8, '\0');

AccountDB homeDatabase() {
    AccountDB db;
    db.reset();
    db.setName("Home");
    return db;
}

// The fixed example: index 1, 15 March 2004, amount 250, income, type 0.
Transaction exampleTransaction() { return makeTransaction(0, 250, true, 2004, 3, 15); }

void expectSameTransaction(const Transaction& actual, const Transaction& expected) {
    EXPECT_EQ(actual.index(), expected.index());
    EXPECT_EQ(actual.year(), expected.year());
    EXPECT_EQ(actual.month(), expected.month());
    EXPECT_EQ(actual.day(), expected.day());
    EXPECT_EQ(actual.type(), expected.type());
    EXPECT_EQ(actual.amount(), expected.amount());
    EXPECT_EQ(actual.isIncome(), expected.isIncome());
    EXPECT_EQ(actual.comment(), expected.comment());
}

// A valid file by hand: types 0 "" and 2 "Food", lastIndex 9, two entries.
PwdbBuilder validFileBuilder() {
    PwdbBuilder file;
    file.text("Book").byte(2).type(0, "").type(2, "Food").int32(9).int32(2);
    file.entry({.index = 4, .amount = 10, .typeId = 2, .comment = "x"});
    file.entry({.index = -3, .amount = -20, .income = 0, .typeId = 0});
    return file;
}

}  // namespace

TEST(FileBytes, NewDatabaseNamedHomeIsTheKnown21Bytes) {
    TempDir dir;
    AccountDB db = homeDatabase();
    std::string path = dir.path("home.pwdb");
    db.saveFile(path);
    EXPECT_EQ(readFile(path), homeBytes);
    EXPECT_EQ(encodeDatabase(db), homeBytes);
    EXPECT_FALSE(db.isModified());
    // The hand-made files of the other tests are built the same way.
    EXPECT_EQ(PwdbBuilder().text("Home").byte(1).type(0, "").int32(0).int32(0).bytes(), homeBytes);
}

TEST(FileBytes, ExampleTransactionIsTheKnownFixedBytesAndCommentLength) {
    AccountDB db = homeDatabase();
    Transaction t = exampleTransaction();
    db.addTransaction(t);
    const std::string bytes = encodeDatabase(db);
    const std::string expected = homeBytes.substr(0, 13) + std::string("\x00\x00\x00\x10", 4) /* lastIndex 1 */ +
                                 std::string("\x00\x00\x00\x10", 4) /* one transaction */ +
                                 std::string("\x00\x00\x00\x10\x70\x4D\x30\xF0\x00\x00\x00\xAF\x10\x00", 14) +
                                 std::string(1, '\0');
    EXPECT_EQ(bytes, expected);
}

TEST(FileRoundTrip, EveryFieldComesBackExactly) {
    TempDir dir;
    AccountDB original = sampleDatabase();
    Transaction extreme =
        makeTransaction(3, std::numeric_limits<std::int32_t>::min(), false, 65535, 255, 255, std::string(255, '\xA4'));
    original.addTransaction(extreme);
    Transaction top = makeTransaction(0, std::numeric_limits<std::int32_t>::max(), true, 0, 0, 0);
    original.addTransaction(top);
    original.addType(std::string(255, '\xFE'));
    std::string path = dir.path("every field");
    original.saveFile(path);

    AccountDB loaded;
    loaded.loadFile(path);
    EXPECT_FALSE(loaded.isModified());
    EXPECT_EQ(loaded.name(), original.name());
    EXPECT_EQ(loaded.lastIndex(), original.lastIndex());
    ASSERT_EQ(loaded.typeCount(), original.typeCount());
    for (int i = 0; i < original.typeCount(); ++i) {
        EXPECT_EQ(loaded.typeAt(i).id(), original.typeAt(i).id());
        EXPECT_EQ(loaded.typeAt(i).name(), original.typeAt(i).name());
        EXPECT_EQ(loaded.typeAt(i).count(), original.typeAt(i).count());
    }
    ASSERT_EQ(loaded.transCount(), original.transCount());
    for (int i = 0; i < original.transCount(); ++i)
        expectSameTransaction(loaded.transaction(i, false), original.transaction(i, false));
    EXPECT_EQ(readFile(path), encodeDatabase(loaded));
}

TEST(FileRoundTrip, NegativeIndexesAndEmptyTextsSurvive) {
    AccountDB db;
    db.loadBytes(validFileBuilder().bytes());
    EXPECT_EQ(db.transaction(1, false).index(), -3);
    EXPECT_EQ(db.transaction(-3, true).amount(), -20);
    EXPECT_EQ(db.transaction(1, false).comment(), "");
    EXPECT_EQ(db.typeAt(0).name(), "");
    EXPECT_EQ(encodeDatabase(db), validFileBuilder().bytes());

    AccountDB unnamed;
    unnamed.reset();
    AccountDB reloaded;
    reloaded.loadBytes(encodeDatabase(unnamed));
    EXPECT_EQ(reloaded.name(), "");
    EXPECT_EQ(reloaded.typeAt(0).name(), "");
}

TEST(FileRoundTrip, IdGapSurvivesAndIsFilledFirstAfterLoading) {
    AccountDB db;
    db.reset();
    db.addType("A");
    db.addType("B");
    db.deleteType(db.findType("A"));
    AccountDB loaded;
    loaded.loadBytes(encodeDatabase(db));
    ASSERT_EQ(loaded.typeCount(), 2);
    EXPECT_EQ(loaded.typeAt(1).id(), 2);
    loaded.addType("C");
    EXPECT_EQ(loaded.findType("C").id(), 1);
    EXPECT_EQ(loaded.typeAt(1).name(), "C");
}

TEST(FileRoundTrip, LoadedBookCountsTypesAndContinuesTheNumbering) {
    AccountDB db;
    db.loadBytes(validFileBuilder().bytes());
    EXPECT_FALSE(db.isModified());
    EXPECT_EQ(db.transCount(), 2);
    EXPECT_EQ(db.typeById(0).count(), 1);
    EXPECT_EQ(db.typeById(2).count(), 1);
    Transaction t = exampleTransaction();
    db.addTransaction(t);
    EXPECT_EQ(t.index(), 10);
}

TEST(FileRoundTrip, IndexAboveLastIndexRaisesIt) {
    PwdbBuilder file;
    file.text("").byte(1).type(0, "").int32(1).int32(2);
    file.entry({.index = 1}).entry({.index = 5});
    AccountDB db;
    db.loadBytes(file.bytes());
    EXPECT_EQ(db.lastIndex(), 5);
    Transaction t = exampleTransaction();
    db.addTransaction(t);
    EXPECT_EQ(t.index(), 6);
}

TEST(FileRoundTrip, IndexAtTheTopLeavesNoneToGive) {
    PwdbBuilder file;
    file.text("").byte(1).type(0, "").int32(0).int32(1).entry({.index = std::numeric_limits<std::int32_t>::max()});
    AccountDB db;
    db.loadBytes(file.bytes());
    const std::string before = fingerprint(db);
    Transaction t = exampleTransaction();
    EXPECT_EQ(messageOf([&] { db.addTransaction(t); }), "No transaction index left");
    EXPECT_EQ(fingerprint(db), before);
}

TEST(FileRoundTrip, NegativeTransactionCountMeansNone) {
    AccountDB db;
    db.loadBytes(PwdbBuilder().text("").byte(1).type(0, "").int32(0).int32(-1).bytes());
    EXPECT_EQ(db.transCount(), 0);
}

TEST(FileName, PwdbIsAppendedUnlessTheNameEndsWithIt) {
    TempDir dir;
    AccountDB db = homeDatabase();
    const std::pair<std::string, std::string> cases[] = {
        {"report", "report.pwdb"},
        {"kept.pwdb", "kept.pwdb"},
        {"report.PWDB", "report.PWDB.pwdb"},
        {"report.pwdb.bak", "report.pwdb.bak.pwdb"},
        {"xpwdb", "xpwdb.pwdb"},
    };
    for (const auto& [given, written] : cases) {
        std::string name = dir.path(given);
        db.saveFile(name);
        EXPECT_EQ(name, dir.path(written));
        EXPECT_EQ(readFile(dir.path(written)), homeBytes) << written;
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"kept.pwdb", "report.PWDB.pwdb", "report.pwdb",
                                                       "report.pwdb.bak.pwdb", "xpwdb.pwdb"}));
}

TEST(FileLoad, ForeignAndNewerFilesAreRefusedAndNothingChanges) {
    TempDir dir;
    AccountDB db = sampleDatabase();
    const std::string before = fingerprint(db);

    const std::string path = dir.path("other.pwdb");
    writeFile(path, PwdbBuilder("PWDC", 1).text("").byte(0).int32(0).int32(0).bytes());
    EXPECT_EQ(messageOf([&] { db.loadFile(path); }), "Not Pennywell database file");
    writeFile(path, PwdbBuilder("PWDB", 2).text("").byte(0).int32(0).int32(0).bytes());
    EXPECT_EQ(messageOf([&] { db.loadFile(path); }), "This PWDB file is correspond with this program");
    EXPECT_EQ(messageOf([&] { db.loadFile(dir.path("missing.pwdb")); }), "File open error");
    std::filesystem::create_directory(dir.path("folder.pwdb"));
    EXPECT_EQ(messageOf([&] { db.loadFile(dir.path("folder.pwdb")); }), "File open error");
    EXPECT_EQ(fingerprint(db), before);
}

TEST(FileLoad, EveryTruncationIsRefusedAndNothingChanges) {
    TempDir dir;
    std::string path = dir.path("whole");
    sampleDatabase().saveFile(path);
    const std::string whole = readFile(path);

    AccountDB db = homeDatabase();
    Transaction t = exampleTransaction();
    db.addTransaction(t);
    const std::string before = fingerprint(db);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::string part = whole.substr(0, length);
        const std::string message = messageOf([&] { db.loadBytes(part); });
        if (length >= 5)
            EXPECT_EQ(message, "Damaged Pennywell database file") << "length " << length;
        else
            EXPECT_TRUE(message == "Not Pennywell database file" || message == "Damaged Pennywell database file" ||
                        message == "This PWDB file is correspond with this program")
                << "length " << length << ": " << message;
        ASSERT_EQ(fingerprint(db), before) << "length " << length;
    }
    // The same through a real file, for a few cuts.
    for (std::size_t length : {std::size_t{0}, std::size_t{6}, whole.size() / 2, whole.size() - 1}) {
        writeFile(path, whole.substr(0, length));
        EXPECT_NE(messageOf([&] { db.loadFile(path); }), "<nothing thrown>");
        ASSERT_EQ(fingerprint(db), before);
    }
}

TEST(FileLoad, DamagedFilesAreRefusedAndNothingChanges) {
    using Entry = PwdbBuilder::Entry;
    const auto withTypes = [](std::initializer_list<std::pair<int, std::string_view>> types) {
        PwdbBuilder file;
        file.text("Book").byte(static_cast<unsigned>(types.size()));
        for (const auto& [id, name] : types) file.type(id, name);
        return file;
    };
    const std::pair<const char*, std::string> damaged[] = {
        {"trailing byte", validFileBuilder().byte(0).bytes()},
        {"same index twice",
         withTypes({{0, ""}}).int32(2).int32(2).entry(Entry{.index = 2}).entry(Entry{.index = 2}).bytes()},
        {"type id 128", withTypes({{0, ""}, {128, "x"}}).int32(0).int32(0).bytes()},
        {"type id 255", withTypes({{255, "x"}}).int32(0).int32(0).bytes()},
        {"same type id twice", withTypes({{0, ""}, {3, "a"}, {3, "b"}}).int32(0).int32(0).bytes()},
        {"same type name twice", withTypes({{0, "a"}, {1, "a"}}).int32(0).int32(0).bytes()},
        {"type ids descending", withTypes({{0, ""}, {5, "a"}, {4, "b"}}).int32(0).int32(0).bytes()},
        {"more types than bytes", PwdbBuilder().text("").byte(255).type(0, "").int32(0).int32(0).bytes()},
        {"huge transaction count",
         withTypes({{0, ""}}).int32(0).int32(std::numeric_limits<std::int32_t>::max()).entry(Entry{}).bytes()},
    };

    AccountDB db = sampleDatabase();
    const std::string before = fingerprint(db);
    for (const auto& [what, bytes] : damaged) {
        const std::string& file = bytes;  // a lambda can't capture a structured binding before clang 16
        EXPECT_EQ(messageOf([&] { db.loadBytes(file); }), "Damaged Pennywell database file") << what;
        ASSERT_EQ(fingerprint(db), before) << what;
    }
}

TEST(FileLoad, TransactionOfAnUnknownTypeIsRefusedAndNothingChanges) {
    PwdbBuilder file;
    file.text("").byte(2).type(0, "").type(2, "b").int32(3).int32(3);
    file.entry({.index = 1, .typeId = 0}).entry({.index = 2, .typeId = 2}).entry({.index = 3, .typeId = 1});
    TempDir dir;
    const std::string path = dir.path("unknown type.pwdb");
    writeFile(path, file.bytes());

    AccountDB db = sampleDatabase();
    const std::string before = fingerprint(db);
    EXPECT_EQ(messageOf([&] { db.loadFile(path); }), "Array out of bound");
    EXPECT_EQ(fingerprint(db), before);
}

// A file as long as 64 GB whose bytes past its head were never written
// (sparse, so it takes no disk) holds zeros there. Reading it may cost only
// what was read, not what its size or its count claims.
TEST(FileLoad, VastSparseFilesAreRefusedWithoutVastMemory) {
    const std::pair<const char*, std::int32_t> claims[] = {
        {"one transaction", 1},
        {"the most transactions a count holds", std::numeric_limits<std::int32_t>::max()},
    };
    TempDir dir;
    AccountDB db = sampleDatabase();
    const std::string before = fingerprint(db);
    for (const auto& [what, count] : claims) {
        const std::string path = dir.path("sparse.pwdb");
        writeFile(path, PwdbBuilder().text("Book").byte(1).type(0, "").int32(0).int32(count).bytes());
        ASSERT_EQ(truncate(path.c_str(), std::int64_t{64} << 30), 0);
        const MemoryCeiling ceiling;
        EXPECT_EQ(messageOf([&] { db.loadFile(path); }), "Damaged Pennywell database file") << what;
        ASSERT_EQ(fingerprint(db), before) << what;
    }
}

TEST(FileSave, OverlongTextIsRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    const std::string path = dir.path("book.pwdb");
    std::string saved = path;
    homeDatabase().saveFile(saved);
    const std::string overlong(256, 'x');

    AccountDB longName = homeDatabase();
    longName.setName(overlong);
    AccountDB longType = homeDatabase();
    longType.addType(overlong);
    AccountDB longComment = homeDatabase();
    Transaction t = makeTransaction(0, 1, true, 2004, 1, 1, overlong);
    longComment.addTransaction(t);

    const std::pair<AccountDB*, const char*> cases[] = {
        {&longName, "The database name is longer than 255 bytes"},
        {&longType, "A type name is longer than 255 bytes"},
        {&longComment, "A comment is longer than 255 bytes"},
    };
    for (const auto& [refused, message] : cases) {
        AccountDB* db = refused;
        std::string target = path;
        EXPECT_EQ(messageOf([&] { db->saveFile(target); }), message);
        EXPECT_TRUE(db->isModified());
        EXPECT_EQ(readFile(path), homeBytes);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.pwdb"});
    }
}

TEST(FileSave, ReplacingAFileLeavesNothingElseBeside) {
    TempDir dir;
    std::string path = dir.path("book");
    homeDatabase().saveFile(path);
    AccountDB db = sampleDatabase();
    db.saveFile(path);
    EXPECT_EQ(readFile(path), encodeDatabase(db));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.pwdb"});
}

TEST(FileSave, MissingFolderIsAnOpenErrorAndTheBookStaysModified) {
    TempDir dir;
    AccountDB db = sampleDatabase();
    std::string path = dir.path("no such folder/report");
    EXPECT_EQ(messageOf([&] { db.saveFile(path); }), "File open error");
    EXPECT_EQ(path, dir.path("no such folder/report.pwdb"));
    EXPECT_TRUE(db.isModified());
    EXPECT_TRUE(dir.entries().empty());
}

// Each way a file can't be read names the file, with the system's reason
// where the system gave one; the message stays the fixed one.
TEST(FileLoad, FailuresNameTheFileAndTheSystemsReason) {
    TempDir dir;
    std::filesystem::create_directory(dir.path("folder.pwdb"));
    writeFile(dir.path("foreign.pwdb"), "hello, world");
    struct Case {
        const char* name;
        const char* message;
        int systemError;
    };
    const Case cases[] = {
        {"missing.pwdb", "File open error", ENOENT},
        {"no such folder/book.pwdb", "File open error", ENOENT},
        {"folder.pwdb", "File open error", EISDIR},
        {"foreign.pwdb", "Not Pennywell database file", 0},
    };
    for (const Case& c : cases) {
        AccountDB db = homeDatabase();
        const std::string path = dir.path(c.name);
        try {
            db.loadFile(path);
            ADD_FAILURE() << c.name << ": nothing thrown";
        } catch (const ErrorMsg& error) {
            EXPECT_EQ(error.message(), c.message) << c.name;
            EXPECT_EQ(error.path(), path) << c.name;
            EXPECT_EQ(error.systemError(), c.systemError) << c.name;
        }
        EXPECT_EQ(db.name(), homeDatabase().name()) << c.name;
    }
}

// A child process whose files may not grow past 64 KiB tries to replace a
// small saved book with a big one; the parent checks what it was told and
// what is left on disk.
TEST(FileSave, WriteErrorIsReportedAndTheOldFileSurvives) {
    TempDir dir;
    std::string path = dir.path("book.pwdb");
    homeDatabase().saveFile(path);
    const std::string oldBytes = readFile(path);

    AccountDB big = sampleDatabase();
    for (int i = 0; i < 5000; ++i) {
        Transaction t = makeTransaction(0, i, i % 2 == 0, 2004, 1, 1, std::string(40, 'c'));
        big.addTransaction(t);
    }

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        close(pipeEnds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string target = path;
        std::string report = messageOf([&] { big.saveFile(target); });
        report += big.isModified() ? "|modified" : "|unmodified";
        try {
            big.saveFile(target);
        } catch (const ErrorMsg& error) {
            const int reason = error.systemError();
            report += "|" + error.path() + (reason == EFBIG ? "|EFBIG" : "|errno " + std::to_string(reason));
        }
        const ssize_t written = write(pipeEnds[1], report.data(), report.size());
        _exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);

    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    // The file's own path and the system's reason come with the message.
    EXPECT_EQ(report, "File write error|modified|" + path + "|EFBIG");
    EXPECT_EQ(readFile(path), oldBytes);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"book.pwdb"});
}

TEST(FileRoundTrip, CommentsOfEveryLengthComeBackAndCopiesOutliveTheBook) {
    auto commentOf = [](int length) {
        std::string comment;
        for (int i = 0; i < length; ++i) comment += static_cast<char>(i % 2 == 0 ? 0xA4 : 'a' + i % 26);
        return comment;
    };
    AccountDB written;
    written.reset();
    for (int length = 0; length <= 255; ++length) {
        Transaction t = makeTransaction(0, length, length % 2 == 0, 2004, 1, 1, commentOf(length));
        written.addTransaction(t);
    }
    AccountDB loaded;
    loaded.loadBytes(encodeDatabase(written));
    ASSERT_EQ(loaded.transCount(), 256);

    // A move of the book keeps its records where they are.
    const Transaction& longest = loaded.transaction(255, false);
    AccountDB book(std::move(loaded));
    EXPECT_EQ(&book.transaction(255, false), &longest);

    std::vector<Transaction> copies;
    for (int position = 0; position < book.transCount(); ++position) {
        EXPECT_EQ(book.transaction(position, false).comment(), commentOf(position)) << position;
        copies.push_back(book.transaction(position, false));
    }
    // Changed in place: a stored comment grows and shrinks.
    Transaction changed = copies[20];
    changed.setComment(commentOf(200));
    book.modifyTransaction(changed);
    EXPECT_EQ(book.transaction(20, false).comment(), commentOf(200));
    changed.setComment(commentOf(3));
    book.modifyTransaction(changed);
    EXPECT_EQ(book.transaction(20, false).comment(), commentOf(3));

    // Copies own their comments: the book's memory is gone, theirs is not.
    book.clear();
    for (int length = 0; length <= 255; ++length) EXPECT_EQ(copies[length].comment(), commentOf(length)) << length;
}
