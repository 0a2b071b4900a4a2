// Writes the sample books in examples/: one plausible household year, the
// same bytes on every run (fixed seed, no library distributions, whose
// results differ between standard libraries). The English book is
// household.pwdb; with --lang zh_TW a household in Taiwan, in Traditional
// Chinese, for household-zh_TW.pwdb. Stored text is Big5, as the file
// format holds it.
//
//   makesample [--lang en|zh_TW] PATH

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/accountdb.h"
#include "core/errormsg.h"

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

struct Sample {
    std::string name;
    std::vector<std::string> types;  // in the order they are added
    HouseholdYear year;
};

Sample englishYear() {
    Sample sample{"Household 2026",
                  {"Salary", "Rent", "Groceries", "Utilities", "Transport", "Dining out", "Health", "Clothing", "Gifts",
                   "Entertainment", "Insurance", "Savings interest"},
                  {}};
    HouseholdYear& book = sample.year;
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
            book.spendSomeDay(month, "Dining out", 18, 75,
                              {"Pizza with friends", "Lunch in town", "Birthday dinner", "Cafe"});
        for (int outing = book.between(1, 2); outing > 0; --outing)
            book.spendSomeDay(month, "Entertainment", 12, 60,
                              {"Cinema", "Concert tickets", "Museum", "Streaming subscription"});
        if (book.between(1, 3) == 1) book.spendSomeDay(month, "Health", 15, 90, {"Pharmacy", "Dentist", "Eye test"});
        if (month % 3 == 0) book.spendSomeDay(month, "Clothing", 30, 150, {"Winter coat", "Shoes", "Jeans", "Shirts"});
    }
    book.spend(4, 12, "Gifts", 40, "Birthday present for Anna");
    book.spend(8, 30, "Gifts", 25, "Wedding card and flowers");
    book.spend(12, 20, "Gifts", 220, "Christmas presents");
    return sample;
}

// A salaried household in Taipei, in New Taiwan dollars: Lunar New Year
// falls on 17 February 2026, the Dragon Boat Festival on 19 June and the
// Mid-Autumn Festival on 25 September.
Sample taiwanYear() {
    Sample sample{"2026 家庭收支",
                  {"薪資", "獎金", "房租", "日常採買", "水電瓦斯", "通訊費", "交通", "外食", "醫療", "服飾", "禮金",
                   "娛樂", "保險", "存款利息"},
                  {}};
    HouseholdYear& book = sample.year;
    // The big shop on Saturdays, a top-up on Wednesdays: 3 and 7 January 2026.
    for (int dayOfYear = 3; dayOfYear <= 365; dayOfYear += 7) {
        const auto [month, day] = HouseholdYear::dateOf(dayOfYear);
        book.spendSome(month, day, "日常採買", 800, 2600, {"全聯採買", "傳統市場買菜", "好市多採買"});
    }
    for (int dayOfYear = 7; dayOfYear <= 365; dayOfYear += 7) {
        const auto [month, day] = HouseholdYear::dateOf(dayOfYear);
        book.spendSome(month, day, "日常採買", 60, 450, {"便利商店", "水果", "麵包和牛奶"});
    }
    for (int month = 1; month <= 12; ++month) {
        book.spend(month, 1, "房租", 16000, "房租");
        book.spend(month, 2, "交通", 1200, "TPASS 通勤月票");
        book.spend(month, 8, "通訊費", 599, "手機月租費");
        // Electricity is billed every two months, water in the months between.
        if (month % 2 == 1)
            book.spendSome(month, 12, "水電瓦斯", 1100, 2900, {"台電電費"});
        else
            book.spendSome(month, 12, "水電瓦斯", 300, 650, {"自來水費"});
        book.spendSome(month, 20, "水電瓦斯", 350, 900, {"瓦斯費"});
        book.spend(month, 15, "保險", 2300, "壽險與醫療險保費");
        book.add(month, 5, "薪資", 52000, true, "每月薪資");

        for (int trip = book.between(1, 2); trip > 0; --trip)
            book.spendSomeDay(month, "交通", 150, 1500, {"計程車", "高鐵車票", "機車加油"});
        for (int meal = book.between(2, 4); meal > 0; --meal)
            book.spendSomeDay(month, "外食", 90, 1800, {"午餐便當", "朋友聚餐", "火鍋", "早午餐", "手搖飲"});
        for (int outing = book.between(1, 2); outing > 0; --outing)
            book.spendSomeDay(month, "娛樂", 150, 3200, {"看電影", "演唱會門票", "博物館", "影音串流訂閱"});
        if (book.between(1, 3) == 1) book.spendSomeDay(month, "醫療", 150, 800, {"診所掛號", "牙醫", "藥局"});
        if (month % 3 == 0) book.spendSomeDay(month, "服飾", 600, 3500, {"冬季外套", "球鞋", "牛仔褲", "襯衫"});
    }
    book.add(2, 10, "獎金", 104000, true, "年終獎金");
    book.add(6, 18, "獎金", 5000, true, "端午節獎金");
    book.add(9, 24, "獎金", 5000, true, "中秋節獎金");
    book.add(6, 21, "存款利息", book.between(150, 600), true, "活期存款利息");
    book.add(12, 21, "存款利息", book.between(150, 600), true, "活期存款利息");
    book.spend(2, 16, "禮金", 12000, "過年紅包（給爸媽）");
    book.spend(5, 10, "禮金", 2500, "母親節禮物");
    book.spend(10, 17, "禮金", 3600, "朋友婚禮禮金");
    return sample;
}

// The stored form of a text of the sample: Big5, refusing what Big5 can't hold.
std::string big5(const std::string& utf8) {
    QStringEncoder encoder("Big5");
    const QByteArray bytes = encoder.encode(QString::fromStdString(utf8));
    if (encoder.hasError()) throw std::runtime_error("not representable in Big5: " + utf8);
    return bytes.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    const bool withLanguage = argc == 4 && std::strcmp(argv[1], "--lang") == 0;
    const std::string language = withLanguage ? argv[2] : "en";
    if ((argc != 2 && !withLanguage) || (language != "en" && language != "zh_TW")) {
        std::fprintf(stderr, "usage: makesample [--lang en|zh_TW] PATH\n");
        return 2;
    }
    Sample sample = language == "zh_TW" ? taiwanYear() : englishYear();
    HouseholdYear& book = sample.year;
    // Entered day by day, so indexes follow the dates.
    std::stable_sort(book.entries.begin(), book.entries.end(), [](const Entry& a, const Entry& b) {
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    });
    try {
        KestLib::AccountDB db;
        db.reset();  // keeps the empty-name type every new database has
        db.setName(big5(sample.name));
        for (const std::string& type : sample.types) db.addType(big5(type));
        for (const Entry& entry : book.entries) {
            KestLib::Transaction record;
            record.setYear(year);
            record.setMonth(entry.month);
            record.setDay(entry.day);
            record.setType(db.findType(big5(entry.type)).id());
            record.setAmount(entry.amount);
            record.setIncome(entry.income);
            record.setComment(big5(entry.comment));
            db.addTransaction(record);
        }
        std::string path = argv[argc - 1];
        db.saveFile(path);
        std::printf("%s: %d transactions, %d types\n", path.c_str(), db.transCount(), db.typeCount());
    } catch (const KestLib::ErrorMsg& error) {
        std::fprintf(stderr, "makesample: %s\n", error.message().c_str());
        return 1;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "makesample: %s\n", error.what());
        return 1;
    }
    return 0;
}
