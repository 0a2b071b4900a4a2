#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "tests/support/tempdir.h"
#include "tests/support/textbooks.h"
#include "text/ledgerjournal.h"

using KestLib::AccountDB;
using KestLib::packDate;

TEST(LedgerJournal, SmallBookMatchesTheGoldenFile) {
    // The golden file is the format itself: read it to see what the tools get.
    const std::string expected = readFile(GOLDEN_DIR "/small-book.ledger");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(PwText::exportLedger(smallTextBook()), expected);
}

TEST(LedgerJournal, AccountNamesAreMadeSafe) {
    const struct {
        const char* name;
        const char* part;
    } cases[] = {
        {"Car:Fuel", "Car-Fuel"},
        {"  two   spaces\there ", "two spaces here"},
        {"(virtual) [too]", "-virtual- -too-"},
        {"a;b{c}", "a-b-c-"},
        {"*starred", "-starred"},
        {"!flagged", "-flagged"},
        {"R&D 50% @home", "R&D 50% @home"},
        {"\xE9\xA3\x9F\xE7\x89\xA9", "\xE9\xA3\x9F\xE7\x89\xA9"},
        {"", "Fallback"},
        {" : ", "-"},
    };
    for (const auto& c : cases) EXPECT_EQ(PwText::ledgerAccountPart(c.name, "Fallback"), c.part) << c.name;
}

TEST(LedgerJournal, TypesWhoseNamesComeOutTheSameKeepTheirOwnAccounts) {
    AccountDB db;
    db.reset();
    db.addType("A:B");
    db.addType("A;B");
    KestLib::Transaction first = makeTransaction(db.findType("A:B").id(), 10, false, 2024, 1, 1);
    KestLib::Transaction second = makeTransaction(db.findType("A;B").id(), 20, false, 2024, 1, 2);
    db.addTransaction(first);
    db.addTransaction(second);
    const std::string journal = PwText::exportLedger(db);
    // The posting line of an account: the account, then at least two spaces and the amount.
    auto posting = [&](const std::string& account) {
        const std::size_t at = journal.find("    " + account + "  ");
        if (at == std::string::npos) return std::string();
        const std::size_t end = journal.find('\n', at);
        const std::string line = journal.substr(at, end - at);
        return line.substr(line.find_last_of(' ') + 1);
    };
    EXPECT_EQ(posting("Expenses:A-B"), "10") << journal;
    EXPECT_EQ(posting("Expenses:A-B #2"), "20") << journal;
    // An unnamed book still gets an asset account.
    EXPECT_EQ(posting("Assets:Book"), "-10") << journal;
}

#ifdef LEDGER_PROGRAM
namespace {

// The balance of the accounts matching pattern that ledger reads from the
// journal, over [begin, end) when given.
long long ledgerBalance(const std::string& journal, const std::string& pattern, const std::string& begin = {},
                        const std::string& end = {}) {
    std::string command =
        std::string(LEDGER_PROGRAM) + " -f '" + journal + "' -n --balance-format '%(quantity(display_total))\\n'";
    if (!begin.empty()) command += " -b " + begin;
    if (!end.empty()) command += " -e " + end;
    command += " bal '" + pattern + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
    // No posting in range prints nothing.
    if (output.empty()) return 0;
    std::size_t used = 0;
    const long long value = std::stoll(output, &used);
    EXPECT_EQ(output.substr(used), "\n") << command << " said: " << output;
    return value;
}

}  // namespace

TEST(LedgerJournal, LedgerReadsItWithTheBooksTotals) {
    TempDir folder;
    const AccountDB db = smallTextBook();
    const std::string path = folder.path("book.ledger");
    writeFile(path, PwText::exportLedger(db));

    // The asset account's balance is the grand total, over the whole book and
    // over a range (ledger's end date is exclusive).
    EXPECT_EQ(ledgerBalance(path, "^Assets"), db.sumAmount(-1, -1, -1, -1));
    EXPECT_EQ(ledgerBalance(path, "^Assets", "2024-01-01", "2024-03-02"),
              db.sumAmount(-1, -1, packDate(2024, 1, 1), packDate(2024, 3, 1)));
    EXPECT_EQ(ledgerBalance(path, "^Assets", "2024-02-29", "2024-03-01"),
              db.sumAmount(-1, -1, packDate(2024, 2, 29), packDate(2024, 2, 29)));
    EXPECT_EQ(ledgerBalance(path, "^Income"), -db.sumAmount(-1, 0, -1, -1));
    EXPECT_EQ(ledgerBalance(path, "^Expenses"), -db.sumAmount(-1, 1, -1, -1));
    EXPECT_EQ(ledgerBalance(path, "^Assets", "2030-01-01"), 0);
}
#endif
