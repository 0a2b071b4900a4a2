#include "generatedbook.h"

#include <iterator>
#include <random>
#include <string>

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

}  // namespace BenchBooks
