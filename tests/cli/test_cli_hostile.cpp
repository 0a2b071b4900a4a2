// pennywell-cli on files made to hurt it: every command ends with its exit
// code and a message, never by a signal or a sanitizer's report.

#include <unistd.h>

#include <cstdint>
#include <limits>

#include "tests/cli/clitest.h"
#include "tests/support/pwdbbuilder.h"

// A book as long as 64 GB whose bytes past its head were never written
// (sparse, so it takes no disk), claiming one transaction or the most a
// count holds: each command reading it refuses it as damaged.
TEST_F(CliTest, VastSparseBooksAreRefusedByEveryCommand) {
    const std::string csv = folder.path("rows.csv");
    writeFile(csv, "date,amount\n2024-01-01,1\n");
    const std::string sparse = folder.path("sparse.pwdb");
    const std::vector<std::vector<std::string>> commands = {
        {"check", sparse}, {"info", sparse},   {"list", sparse},
        {"total", sparse}, {"export", sparse}, {"import", sparse, csv},
    };
    for (const std::int32_t count : {1, std::numeric_limits<std::int32_t>::max()}) {
        writeFile(sparse, PwdbBuilder().text("Book").byte(1).type(0, "").int32(0).int32(count).bytes());
        ASSERT_EQ(truncate(sparse.c_str(), std::int64_t{64} << 30), 0);
        for (const auto& args : commands) {
            const Outcome outcome = run(args);
            EXPECT_EQ(outcome.exitCode, 1) << args[0] << ", count " << count << ": " << outcome.err;
            EXPECT_NE((outcome.out + outcome.err).find("Damaged Pennywell database file"), std::string::npos)
                << args[0] << ", count " << count << ": " << outcome.out << outcome.err;
        }
        // Refused, the book is left as it was.
        struct stat status {};
        ASSERT_EQ(stat(sparse.c_str(), &status), 0);
        EXPECT_EQ(status.st_size, std::int64_t{64} << 30);
    }
}

// A file to import larger than any import reads (sparse, so it takes no
// disk) is refused before a byte of it is read, as a statement and as the
// book's own CSV alike.
TEST_F(CliTest, ImportFilesBeyondTheLimitAreRefusedUnread) {
    const std::string book = folder.path("book.pwdb");
    writeFile(book, PwdbBuilder().text("Book").byte(1).type(0, "").int32(0).int32(0).bytes());
    for (const std::string header : {"date,amount\n", "Buchungstag;Betrag\n"}) {
        const std::string huge = folder.path("huge.csv");
        writeFile(huge, header);
        ASSERT_EQ(truncate(huge.c_str(), std::int64_t{2} << 30), 0);
        const Outcome outcome = run({"import", book, huge});
        EXPECT_EQ(outcome.exitCode, 1) << outcome.err;
        EXPECT_NE(outcome.err.find("is larger than 1 GB, more than an import reads"), std::string::npos) << outcome.err;
    }
}
