// The value records, the date code and the record container.

#include <gtest/gtest.h>

#include <string>

#include "coretestsupport.h"
#include "recordarray.h"
#include "transaction.h"
#include "transtype.h"
#include "typeidtable.h"

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
