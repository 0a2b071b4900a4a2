// Writes the sample book examples/household.pwdb: one plausible household
// year, the same bytes on every run (fixed seed, no library distributions,
// whose results differ between standard libraries).
//
//   makesample PATH

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "accountdb.h"
#include "errormsg.h"

namespace {

constexpr int year = 2026;

struct Entry {
    int month;
    int day;
    std::string type;
    int amount;
    bool income;
    std::string comment;
};

class HouseholdYear {
public:
    std::vector<Entry> entries;

    void add(int month, int day, const std::string& type, int amount, bool income, const std::string& comment) {
        entries.push_back({month, day, type, amount, income, comment});
    }
    void spend(int month, int day, const std::string& type, int amount, const std::string& comment) {
        add(month, day, type, amount, false, comment);
    }
    // An outgoing of random amount and comment on a day given or drawn. Each
    // draw is its own statement: the order in which function arguments are
    // evaluated is unspecified, and the file must not depend on it.
    void spendSome(int month, int day, const std::string& type, int low, int high,
                   const std::vector<std::string>& comments) {
        const int amount = between(low, high);
        const std::string& comment = comments[random() % comments.size()];
        spend(month, day, type, amount, comment);
    }
    void spendSomeDay(int month, const std::string& type, int low, int high, const std::vector<std::string>& comments) {
        const int day = between(1, daysIn(month));
        spendSome(month, day, type, low, high, comments);
    }
    // A whole number from low to high, both included.
    int between(int low, int high) { return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1)); }

    static int daysIn(int month) {
        constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};  // 2026 is no leap year
        return days[month - 1];
    }

    // Month and day of a day of the year, 1 for 1 January.
    static std::pair<int, int> dateOf(int dayOfYear) {
        int month = 1;
        while (dayOfYear > daysIn(month)) dayOfYear -= daysIn(month++);
        return {month, dayOfYear};
    }

private:
    std::mt19937 random{2026};
};

HouseholdYear makeYear() {
    HouseholdYear book;
    // The big shop on Saturdays, a top-up on Wednesdays: 3 and 7 January 2026.
    for (int dayOfYear = 3; dayOfYear <= 365; dayOfYear += 7) {
        const auto [month, day] = HouseholdYear::dateOf(dayOfYear);
        book.spendSome(month, day, "Groceries", 45, 140, {"Weekly shop", "Market and bakery", "Supermarket"});
    }
    for (int dayOfYear = 7; dayOfYear <= 365; dayOfYear += 7) {
        const auto [month, day] = HouseholdYear::dateOf(dayOfYear);
        book.spendSome(month, day, "Groceries", 8, 35, {"Milk and bread", "Fruit and vegetables", "Corner shop"});
    }
    for (int month = 1; month <= 12; ++month) {
        const int lastDay = HouseholdYear::daysIn(month);
        book.spend(month, 1, "Rent", 1150, "Flat rent");
        book.spend(month, 2, "Transport", 49, "Monthly bus pass");
        book.spendSome(month, 10, "Utilities", 70, 160, {"Electricity", "Gas and electricity", "Water and heating"});
        book.spend(month, 15, "Insurance", 95, "Home and health insurance");
        book.add(month, 25, "Salary", 3200, true, "Monthly salary");
        book.add(month, lastDay, "Savings interest", book.between(3, 12), true, "Savings account");
        if (month == 12) book.add(month, 18, "Salary", 1600, true, "Christmas bonus");

        for (int trip = book.between(1, 2); trip > 0; --trip)
            book.spendSomeDay(month, "Transport", 9, 45, {"Train tickets", "Taxi home", "Bike repair"});
        for (int meal = book.between(2, 4); meal > 0; --meal)
            book.spendSomeDay(month, "Dining out", 18, 75, {"Pizza with friends", "Lunch in town", "Birthday dinner", "Cafe"});
        for (int outing = book.between(1, 2); outing > 0; --outing)
            book.spendSomeDay(month, "Entertainment", 12, 60, {"Cinema", "Concert tickets", "Museum", "Streaming subscription"});
        if (book.between(1, 3) == 1) book.spendSomeDay(month, "Health", 15, 90, {"Pharmacy", "Dentist", "Eye test"});
        if (month % 3 == 0) book.spendSomeDay(month, "Clothing", 30, 150, {"Winter coat", "Shoes", "Jeans", "Shirts"});
    }
    book.spend(4, 12, "Gifts", 40, "Birthday present for Anna");
    book.spend(8, 30, "Gifts", 25, "Wedding card and flowers");
    book.spend(12, 20, "Gifts", 220, "Christmas presents");
    return book;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesample PATH\n");
        return 2;
    }
    HouseholdYear book = makeYear();
    // Entered day by day, so indexes follow the dates.
    std::stable_sort(book.entries.begin(), book.entries.end(),
                     [](const Entry& a, const Entry& b) { return a.month != b.month ? a.month < b.month : a.day < b.day; });
    try {
        KestLib::AccountDB db;
        db.reset();  // keeps the empty-name type every new database has
        db.setName("Household 2026");
        for (const char* type : {"Salary", "Rent", "Groceries", "Utilities", "Transport", "Dining out", "Health",
                                 "Clothing", "Gifts", "Entertainment", "Insurance", "Savings interest"})
            db.addType(type);
        for (const Entry& entry : book.entries) {
            KestLib::Transaction record;
            record.setYear(year);
            record.setMonth(entry.month);
            record.setDay(entry.day);
            record.setType(db.findType(entry.type).id());
            record.setAmount(entry.amount);
            record.setIncome(entry.income);
            record.setComment(entry.comment);
            db.addTransaction(record);
        }
        std::string path = argv[1];
        db.saveFile(path);
        std::printf("%s: %d transactions, %d types\n", path.c_str(), db.transCount(), db.typeCount());
    } catch (const KestLib::ErrorMsg& error) {
        std::fprintf(stderr, "makesample: %s\n", error.message().c_str());
        return 1;
    }
    return 0;
}
