#include "tests/support/generatedbook.h"

#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace BenchBooks {

KestLib::AccountDB generateBook(int transactions) {
    std::mt19937 random(20040315);
    KestLib::AccountDB db;
    db.reset();
    db.setName("Benchmark \xA4\xA4\xA4\xE5");
    for (int i = 1; i < typesInBook; ++i) db.addType("Type \xA4\xE5 " + std::to_string(i));

    static const char* const big5Pairs[] = {"\xA4\xA4", "\xA4\xE5", "\xAD\xB9", "\xAA\xAB", "\xA6\xAC", "\xA4\x4A"};
    KestLib::Transaction record;
    std::string comment;
    for (int i = 0; i < transactions; ++i) {
        record.setYear(2000 + static_cast<int>(random() % 10));
        record.setMonth(1 + static_cast<int>(random() % 12));
        record.setDay(1 + static_cast<int>(random() % 28));
        record.setType(db.typeAt(static_cast<int>(random() % typesInBook)).id());
        record.setAmount(1 + static_cast<int>(random() % 999999));
        record.setIncome(random() % 3 == 0);
        const std::size_t length = random() % 41;
        comment.clear();
        while (comment.size() < length) {
            if (random() % 2 == 0 && comment.size() + 2 <= length)
                comment += big5Pairs[random() % std::size(big5Pairs)];
            else
                comment += static_cast<char>('a' + random() % 26);
        }
        record.setComment(comment);
        db.addTransaction(record);
    }
    return db;
}

namespace {

// Big5 bytes, each word a literal of its own so that no hex escape runs on
// into the next character.
const std::string typeWord = "\xC3\xFE\xA7\x4F";  // 類別
const char* const commentWords[] = {
    "rent",
    "milk",
    "bus",
    "gift",
    "cafe",
    "tax",
    "fee",
    "book",
    "lunch",
    "bonus",
    "\xAD\xB9\xAA\xAB",  // 食物
    "\xA9\xD0\xAF\xB2",  // 房租
    "\xA5\xE6\xB3\x71",  // 交通
    "\xC1\x7E\xA4\xF4",  // 薪水
    "\xC2\xA7\xAA\xAB",  // 禮物
    "\xA4\xC8\xC0\x5C",  // 午餐
    "\xB9\x71\xB6\x4F",  // 電費
    "\xAE\xD1",          // 書
};
const char* const shortWords[] = {"rent", "milk", "bus", "gift", "cafe", "tax", "lunch", "bonus"};

std::string wordsComment(std::mt19937& random) {
    const std::size_t length = random() % 41;
    std::string comment;
    while (true) {
        const std::string_view word = commentWords[random() % std::size(commentWords)];
        if (comment.size() + word.size() + 1 > length) break;
        if (!comment.empty()) comment += ' ';
        comment += word;
    }
    return comment;
}

}  // namespace

KestLib::Transaction householdTransaction(std::mt19937& random, const HouseholdShape& shape) {
    KestLib::Transaction record;
    record.setYear(2000 + static_cast<int>(random() % 26));
    record.setMonth(1 + static_cast<int>(random() % 12));
    record.setDay(1 + static_cast<int>(random() % 28));
    record.setType(static_cast<int>(random() % static_cast<unsigned>(shape.types)));
    record.setAmount(1 + static_cast<int>(random() % 100'000));
    record.setIncome(random() % 4 == 0);
    switch (shape.comments) {
    case HouseholdShape::Comments::None: break;
    case HouseholdShape::Comments::Words: record.setComment(wordsComment(random)); break;
    case HouseholdShape::Comments::TwoWords: {
        // The second word is drawn first, as the books timed so far were
        // made; drawn in two statements, the order no longer rests on the
        // compiler.
        const std::string second = shortWords[random() % std::size(shortWords)];
        const std::string first = shortWords[random() % std::size(shortWords)];
        record.setComment(first + ' ' + second);
        break;
    }
    }
    return record;
}

KestLib::AccountDB householdBook(int transactions, const HouseholdShape& shape) {
    KestLib::AccountDB db;
    db.reset();  // type id 0: the empty name
    for (int i = 1; i < shape.types; ++i)
        db.addType(shape.chineseTypeNames && i % 3 == 0 ? typeWord + std::to_string(i) : "Type " + std::to_string(i));
    std::mt19937 random(shape.seed);
    for (int i = 0; i < transactions; ++i) {
        KestLib::Transaction record = householdTransaction(random, shape);
        db.addTransaction(record);
    }
    return db;
}

}  // namespace BenchBooks
