// The limits that keep a hostile statement from costing more than a few
// times its size: the file, its lines, the book's room and the faults kept.

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <string>
#include <vector>

#include "tests/support/bookbuilder.h"
#include "tests/support/memoryceiling.h"
#include "text/statement.h"
#include "text/statementimport.h"
#include "text/statementreader.h"

using namespace PwText;
using Reason = StatementFault::Reason;

namespace {

constexpr std::size_t overALine = statementLineLimit + 1;

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t k = 0; k < times; ++k) out += piece;
    return out;
}

StatementOptions withRoom(std::int64_t rows) {
    StatementOptions options;
    options.rowRoom = rows;
    return options;
}

StatementOptions csvColumns() {
    StatementOptions options;
    options.format = StatementFormat::Csv;
    options.csv.header = 0;
    options.csv.columns = {StatementField::Date, StatementField::Amount};
    return options;
}

std::vector<std::pair<int, Reason>> faultsOf(const Statement& statement) {
    std::vector<std::pair<int, Reason>> faults;
    for (const StatementFault& fault : statement.faults) faults.emplace_back(fault.line, fault.reason);
    return faults;
}

std::string ofxAround(const std::string& transactions) {
    return "OFXHEADER:100\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\n" + transactions +
           "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

struct LimitCase {
    const char* name;
    std::string bytes;
    StatementOptions options;
    std::size_t rows;
    std::vector<std::pair<int, Reason>> faults;
};

std::vector<LimitCase> limitCases() {
    const std::string fourRows = "date,amount\n2026-01-01,1\n2026-01-02,2\n2026-01-03,3\n2026-01-04,4\n";
    return {
        {"a CSV line of commas past the limit ends the reading at its line",
         "date,amount\n2026-01-01,5\n" + std::string(overALine, ',') + "\n2026-01-02,6\n",
         {},
         0,
         {{3, Reason::LineTooLong}}},
        {"a line of NUL bytes", std::string(overALine, '\0'), {}, 0, {{1, Reason::LineTooLong}}},
        {"a quote left open past the limit, its line breaks in it",
         "date,amount\n2026-01-01,5\n\"" + repeated("x\n", overALine / 2),
         {},
         0,
         {{3, Reason::LineTooLong}}},
        {"a line just within the limit is read",
         "date,amount,comment\n2026-01-01,5," + std::string(statementLineLimit - 14, 'x') + "\n",
         {},
         1,
         {}},
        {"a QIF line past the limit",
         "!Type:Bank\nD1/1/2026\nT-1\nP" + std::string(overALine, 'x') + "\n^\n",
         {},
         0,
         {{4, Reason::LineTooLong}}},
        {"an OFX file on one line past the limit is read",
         ofxAround("<STMTTRN><DTPOSTED>20260101<TRNAMT>-1<MEMO>" + std::string(overALine, 'x') + "</STMTTRN>"),
         {},
         1,
         {}},
        {"CSV rows past the book's room: the first is refused, the rest not read",
         fourRows,
         withRoom(2),
         2,
         {{4, Reason::NoIndexLeft}}},
        {"QIF rows past the room",
         "!Type:Bank\nD1/1'26\nT1\n^\nD1/2'26\nT2\n^\nD1/3'26\nT3\n^\n",
         withRoom(1),
         1,
         {{5, Reason::NoIndexLeft}}},
        {"OFX rows past the room",
         ofxAround("<STMTTRN><DTPOSTED>20260101<TRNAMT>1</STMTTRN>\n<STMTTRN><DTPOSTED>20260102<TRNAMT>2</STMTTRN>\n"),
         withRoom(1),
         1,
         {{5, Reason::NoIndexLeft}}},
        {"a book without room takes no row", fourRows, withRoom(0), 0, {{2, Reason::NoIndexLeft}}},
    };
}

}  // namespace

TEST(StatementLimits, RefuseWhatIsPastThemAtItsLine) {
    for (const LimitCase& c : limitCases()) {
        const Statement statement = readStatement(c.bytes, c.options);
        EXPECT_EQ(statement.rows.size(), c.rows) << c.name;
        EXPECT_EQ(faultsOf(statement), c.faults) << c.name;
    }
}

TEST(StatementLimits, KeepAThousandFaultsAndReadNoFurther) {
    const Statement statement = readStatement(repeated("x,1\n", 5000), csvColumns());
    ASSERT_EQ(statement.faults.size(), statementFaultLimit + 1);
    EXPECT_EQ(statement.faults[statementFaultLimit - 1].line, static_cast<int>(statementFaultLimit));
    EXPECT_EQ(statement.faults.back().line, static_cast<int>(statementFaultLimit) + 1);
    EXPECT_EQ(statement.faults.back().reason, Reason::TooManyFaults);
}

// A file over the limit is refused before a byte of it is read: pages
// mapped but never touched stand in for the gigabyte.
TEST(StatementLimits, RefuseAFileOverAGigabyteUnread) {
    const std::size_t size = statementFileLimit + 1;
    void* pages = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    const Statement statement = readStatement(std::string_view(static_cast<const char*>(pages), size), {});
    EXPECT_EQ(faultsOf(statement), (std::vector<std::pair<int, Reason>>{{0, Reason::FileTooLarge}}));
    munmap(pages, size);
}

// The shapes that took up to 55 bytes of memory a byte of file, read and
// planned under a ceiling of 256 MB: a string for each of fifty million
// fields, or a record kept for each of 25 million lines, can't pass.
TEST(StatementLimits, HostileCsvCostsAFewTimesItsSize) {
    struct Hostile {
        const char* name;
        std::string bytes;
    };
    constexpr std::size_t size = std::size_t{50} << 20;
    Hostile cases[] = {
        {"one line of commas", std::string(size, ',')},
        {"lines of x", repeated("x\n", size / 2)},
        {"NUL bytes", std::string(size * 3, '\0')},
    };
    const KestLib::AccountDB book = BookBuilder().build();
    for (Hostile& c : cases) {
        {
            const MemoryCeiling ceiling;
            const Statement statement = readStatement(c.bytes, {});
            const StatementImport plan = StatementImport::plan(book, statement, {});
            EXPECT_FALSE(plan.canImport()) << c.name;
        }
        c.bytes = std::string();
    }
}
