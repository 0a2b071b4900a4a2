// The value records, the date code and the record container.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/bulkmemory.h"
#include "core/calendar.h"
#include "core/errormsg.h"
#include "core/recordarray.h"
#include "core/transaction.h"
#include "core/transtype.h"
#include "core/typeidtable.h"
#include "tests/support/coretestsupport.h"

using namespace KestLib;

TEST(PackDate, KeepsEachDecimalDigitInItsOwnNibble) {
    EXPECT_EQ(packDate(2004, 3, 15), 0x20040315);
    EXPECT_EQ(packDate(1999, 12, 31), 0x19991231);
    EXPECT_EQ(packDate(0, 0, 0), 0);
}

TEST(PackDate, OrdersCodesAsTheDatesAreOrdered) {
    EXPECT_LT(packDate(1999, 12, 31), packDate(2000, 1, 1));
    EXPECT_LT(packDate(2004, 1, 31), packDate(2004, 2, 1));
    EXPECT_LT(packDate(2004, 2, 9), packDate(2004, 2, 10));
    EXPECT_LT(packDate(7998, 12, 31), packDate(7999, 1, 1));
}

// The one calendar every date reader and the budget's day count use.
TEST(CalendarDate, MonthLengthsLeapYearsAndTheFourDigitYears) {
    struct Case {
        int year, month, day;
        bool isDate;
    };
    const Case cases[] = {
        {2004, 2, 29, true},  {2003, 2, 29, false}, {2000, 2, 29, true},  {1900, 2, 29, false},
        {2004, 4, 30, true},  {2004, 4, 31, false}, {2004, 12, 31, true}, {2004, 13, 1, false},
        {2004, 0, 1, false},  {2004, 1, 0, false},  {1, 1, 1, true},      {0, 1, 1, false},
        {9999, 12, 31, true}, {10000, 1, 1, false}, {2004, -1, 1, false}, {2004, 1, -1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isCalendarDate(c.year, c.month, c.day), c.isDate) << c.year << '-' << c.month << '-' << c.day;
}

// The core's messages are its table's texts, the subject in the place of
// "%1" (once, whatever the subject holds), and nothing in the place of a
// missing one.
TEST(ErrorMsg, MessagesAreTheTableTextsWithTheirSubject) {
    struct Case {
        ErrorMsg error;
        std::string message;
    };
    const Case cases[] = {
        {ErrorMsg(ErrorCode::noType), "No transaction type"},
        {ErrorMsg(ErrorCode::fileOpen, "/tmp/a.pwdb", 2), "File open error"},
        {ErrorMsg::typeExists("Food"), "The type Food has existed"},
        {ErrorMsg::typeExists("%1 and %1"), "The type %1 and %1 has existed"},
        {ErrorMsg(ErrorCode::typeExists), "The type  has existed"},
        {ErrorMsg(ErrorCode::notEnoughMemory, "/tmp/big.pwdb", 0), "not enough memory to read /tmp/big.pwdb"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.error.message(), c.message);
    for (std::size_t i = 0; i < errorCodeCount; ++i) {
        const auto code = static_cast<ErrorCode>(i);
        EXPECT_FALSE(errorText(code).empty()) << i;
        if (code != ErrorCode::typeExists && code != ErrorCode::notEnoughMemory)
            EXPECT_EQ(ErrorMsg(code).message(), errorText(code));
    }
}

TEST(Transaction, NewRecordIsAnEmptyOutgoingOfTypeZero) {
    const Transaction t;
    EXPECT_EQ(t.index(), 0);
    EXPECT_EQ(t.year(), 0);
    EXPECT_EQ(t.month(), 0);
    EXPECT_EQ(t.day(), 0);
    EXPECT_EQ(t.type(), 0);
    EXPECT_EQ(t.amount(), 0);
    EXPECT_FALSE(t.isIncome());
    EXPECT_TRUE(t.comment().empty());
}

TEST(Transaction, CopyTakesTheIndexAndStaysIndependent) {
    Transaction source = makeTransaction(3, 250, true, 2004, 3, 15, "lunch");
    source.setIndex(9);
    Transaction copy = source;
    EXPECT_EQ(copy.index(), 9);
    EXPECT_EQ(copy.dateCode(), 0x20040315);
    copy.setIndex(10);
    copy.setComment("dinner");
    copy.setAmount(1);
    EXPECT_EQ(source.index(), 9);
    EXPECT_EQ(source.comment(), "lunch");
    EXPECT_EQ(source.amount(), 250);
}

TEST(TransType, CountNeverGoesBelowZero) {
    TransType type;
    EXPECT_EQ(type.id(), 0);
    EXPECT_EQ(type.count(), 0);
    EXPECT_TRUE(type.name().empty());
    type.decCount();
    EXPECT_EQ(type.count(), 0);
    type.incCount();
    type.incCount();
    type.decCount();
    EXPECT_EQ(type.count(), 1);
}

TEST(TypeIdTable, GivesTheLowestFreeIdUntilAllAreTaken) {
    TypeIdTable table;
    for (int id = 0; id < TypeIdTable::capacity; ++id) ASSERT_EQ(table.allocTypeId(), id);
    EXPECT_EQ(table.allocTypeId(), -1);
    table.releaseTypeId(70);
    table.releaseTypeId(5);
    EXPECT_EQ(table.allocTypeId(), 5);
    EXPECT_EQ(table.allocTypeId(), 70);
    table.clearTypeIds();
    EXPECT_FALSE(table.isInUse(0));
    table.reserveTypeId(0);
    table.reserveTypeId(128);  // outside the table: ignored, not written past it
    EXPECT_TRUE(table.isInUse(0));
    EXPECT_FALSE(table.isInUse(128));
    EXPECT_EQ(table.allocTypeId(), 1);
}

TEST(RecordArray, PositionOutsideTheArrayIsRefused) {
    RecordArray<Transaction> array;
    EXPECT_EQ(messageOf([&] { array.at(0); }), "Array out of bound");
    array.append(Transaction{});
    array.append(Transaction{});
    EXPECT_EQ(messageOf([&] { array.at(-1); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { array.at(2); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { array.at(1); }), "<nothing thrown>");

    array.removeAt(-1);
    array.removeAt(2);
    EXPECT_EQ(array.size(), 2);
}

TEST(RecordArray, StoresCopiesInTheOrderGiven) {
    RecordArray<TransType> array;
    TransType type;
    for (const char* name : {"b", "d"}) {
        type.setName(name);
        array.append(type);
    }
    type.setName("a");
    array.insertAt(type, 0);
    type.setName("c");
    array.insertAt(type, 2);
    type.setName("e");
    array.insertAt(type, 4);
    type.setName("caller's own");

    std::string order;
    for (int i = 0; i < array.size(); ++i) order += array.at(i).name();
    EXPECT_EQ(order, "abcde");

    array.removeAt(0);
    array.removeAt(3);
    order.clear();
    for (int i = 0; i < array.size(); ++i) order += array.at(i).name();
    EXPECT_EQ(order, "bcd");

    array.clear();
    EXPECT_EQ(array.size(), 0);
    EXPECT_EQ(messageOf([&] { array.at(0); }), "Array out of bound");
}

TEST(RecordArray, StoredRecordNeverMovesWhileOthersComeAndGo) {
    RecordArray<Transaction> array;
    Transaction t;
    t.setIndex(-1);
    t.setComment("the record watched");
    const Transaction* watched = &array.append(t);

    auto removeUnlessWatched = [&](int position) {
        if (position >= 0 && position < array.size() && &array.at(position) != watched) array.removeAt(position);
    };
    for (int i = 0; i < 6000; ++i) {
        t.setIndex(i);
        t.setComment("other " + std::to_string(i));
        if (i % 3 == 0)
            array.insertAt(t, 0);
        else
            array.append(t);
        if (i % 7 == 0) removeUnlessWatched(array.size() - 1);
        if (i % 11 == 0) removeUnlessWatched(0);
        if (i % 13 == 0) removeUnlessWatched(array.size() / 2);
    }

    int found = -1;
    for (int i = 0; i < array.size(); ++i)
        if (&array.at(i) == watched) found = i;
    ASSERT_NE(found, -1) << "the watched record was moved or lost";
    EXPECT_EQ(watched->index(), -1);
    EXPECT_EQ(watched->comment(), "the record watched");
}

namespace {

// What a caller can read of a transaction, in one string, so that a case
// compares everything at once.
std::string fieldsOf(const Transaction& t) {
    return std::to_string(t.index()) + "|" + std::to_string(t.year()) + "-" + std::to_string(t.month()) + "-" +
           std::to_string(t.day()) + "|" + std::to_string(t.type()) + "|" + std::to_string(t.amount()) + "|" +
           (t.isIncome() ? "in" : "out") + "|" + t.comment().str();
}

struct FieldCase {
    int year, month, day, type;
    std::size_t commentLength;
};

// Values inside and on both sides of the packed widths (year 16 bits, month,
// day and type 8), and comments on both sides of the inline size.
const std::vector<FieldCase> fieldCases = {
    {2004, 3, 15, 0, 0},
    {2004, 3, 15, 127, Transaction::inlineComment},
    {65535, 255, 255, -128, Transaction::inlineComment + 1},
    {0, 0, 0, 5, 255},
    {-1, 3, 15, 5, 3},
    {65536, 1, 1, 5, 40},
    {2004, 256, -1, 5, 0},
    {2004, 3, 15, 128, 20},
    {2004, 3, 15, -129, 1},
    {INT_MIN, INT_MAX, 7, INT_MAX, 300},
    {2004, 3, 15, INT_MIN, 70000},
};

std::string commentOf(std::size_t length, char first) {
    std::string comment(length, 'x');
    for (std::size_t i = 0; i < length; ++i) comment[i] = static_cast<char>(first + i % 23);
    return comment;
}

// The comment first, so that a value that doesn't fit the packed fields
// arrives while a comment is there, or last.
Transaction transactionOf(const FieldCase& c, char first, bool commentLast = false) {
    Transaction t;
    t.setIndex(c.year ^ 0x55);
    t.setAmount(c.type / 3);
    t.setIncome(c.day % 2 == 0);
    if (!commentLast) t.setComment(commentOf(c.commentLength, first));
    t.setYear(c.year);
    t.setMonth(c.month);
    t.setDay(c.day);
    t.setType(c.type);
    if (commentLast) t.setComment(commentOf(c.commentLength, first));
    return t;
}

}  // namespace

TEST(Transaction, EveryValueSetIsReadBackExactly) {
    for (const FieldCase& c : fieldCases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day) + " type " +
                     std::to_string(c.type) + ", comment of " + std::to_string(c.commentLength));
        const Transaction t = transactionOf(c, 'a');
        EXPECT_EQ(t.year(), c.year);
        EXPECT_EQ(t.month(), c.month);
        EXPECT_EQ(t.day(), c.day);
        EXPECT_EQ(t.type(), c.type);
        EXPECT_EQ(t.comment(), commentOf(c.commentLength, 'a'));
        EXPECT_EQ(t.dateCode(), packDate(c.year, c.month, c.day));

        EXPECT_EQ(fieldsOf(transactionOf(c, 'a', true)), fieldsOf(t));
    }
}

TEST(Transaction, CopiesAndMovesBetweenEveryKindOfRecordStayIndependent) {
    for (const FieldCase& from : fieldCases) {
        for (const FieldCase& into : fieldCases) {
            SCOPED_TRACE(std::to_string(from.year) + "/" + std::to_string(from.commentLength) + " into " +
                         std::to_string(into.year) + "/" + std::to_string(into.commentLength));
            Transaction source = transactionOf(from, 'a');
            const std::string expected = fieldsOf(source);

            Transaction assigned = transactionOf(into, 'A');
            assigned = source;
            EXPECT_EQ(fieldsOf(assigned), expected);
            assigned.setComment("changed");
            assigned.setYear(1);
            EXPECT_EQ(fieldsOf(source), expected);

            Transaction moveAssigned = transactionOf(into, 'A');
            moveAssigned = Transaction(source);
            EXPECT_EQ(fieldsOf(moveAssigned), expected);

            Transaction moved(std::move(moveAssigned));
            EXPECT_EQ(fieldsOf(moved), expected);
            // A moved-from record is still one that can be set and read.
            moveAssigned.setComment(commentOf(from.commentLength, 'b'));
            EXPECT_EQ(moveAssigned.comment(), commentOf(from.commentLength, 'b'));
        }
    }
}

TEST(Transaction, CommentSetFromItsOwnBytesSurvives) {
    for (const FieldCase& c : fieldCases) {
        SCOPED_TRACE(c.commentLength);
        Transaction t = transactionOf(c, 'a');
        const std::string whole = t.comment().str();
        t.setComment(t.comment());
        EXPECT_EQ(t.comment(), whole);
        t.setComment(t.comment().view().substr(whole.size() / 2));
        EXPECT_EQ(t.comment(), whole.substr(whole.size() / 2));
    }
}

TEST(RecordArray, RecordsStayPutAcrossReservesBlocksAndReusedPlaces) {
    RecordArray<Transaction> array;
    std::vector<const Transaction*> watched;
    Transaction t;
    for (int i = 0; i < 100; ++i) {
        t.setIndex(i);
        t.setComment(commentOf(static_cast<std::size_t>(i % 40), 'a'));
        watched.push_back(&array.append(t));
    }
    // As a load does: room for all at once, then far more than one block.
    array.reserve(150'000);
    for (int i = 100; i < 150'000; ++i) {
        t.setIndex(i);
        array.append(t);
    }
    for (int i = 150'000; i < 300'000; ++i) {
        t.setIndex(i);
        array.insertAt(t, i % 500 == 0 ? 50 : array.size());
    }

    // A removed record's place is what the next record takes, so a book that
    // is edited for long doesn't grow.
    std::set<const Transaction*> removed;
    for (int i = 0; i < 1000; ++i) {
        removed.insert(&array.at(array.size() - 1 - i));
        array.removeAt(array.size() - 1 - i);
    }
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(removed.count(&array.append(t)), 1u);

    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(&array.at(i < 50 ? i : i + 300), watched[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(watched[static_cast<std::size_t>(i)]->index(), i);
        EXPECT_EQ(watched[static_cast<std::size_t>(i)]->comment(), commentOf(static_cast<std::size_t>(i % 40), 'a'));
    }

    RecordArray<Transaction> taken(std::move(array));
    EXPECT_EQ(&taken.at(0), watched[0]);
    EXPECT_EQ(array.size(), 0);
}

TEST(BulkMemory, HugePageMappingsAreAlignedWholeAndWritable) {
    for (std::size_t bytes : {std::size_t{1}, hugePageSize, hugePageSize + 1, 5 * hugePageSize - 7}) {
        SCOPED_TRACE(bytes);
        auto* memory = static_cast<unsigned char*>(mapHugePages(bytes));
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory) % hugePageSize, 0u);
        const std::size_t size = roundToHugePages(bytes);
        EXPECT_EQ(size % hugePageSize, 0u);
        EXPECT_GE(size, bytes);
        EXPECT_LT(size - bytes, hugePageSize);
        for (std::size_t i = 0; i < size; i += 4096) memory[i] = static_cast<unsigned char>(i / 4096);
        memory[size - 1] = 0xAB;
        EXPECT_EQ(memory[4096], 1);
        EXPECT_EQ(memory[size - 1], 0xAB);
        unmapHugePages(memory, bytes);
    }
}
