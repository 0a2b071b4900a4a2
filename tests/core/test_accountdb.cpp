// The database operations: numbering, types and their ids, the messages of
// each refusal, the sums, databases side by side, and the whole database
// holding together through a random sequence of every kind of change.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "tests/support/consistencycheck.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/tempdir.h"

using namespace KestLib;

namespace {

// A database as it is after a load: nothing counts as modified, so a test
// can see whether an operation sets the flag.
AccountDB unmodifiedCopy(const AccountDB& db) {
    AccountDB copy;
    copy.loadBytes(encodeDatabase(db));
    return copy;
}

// Types "", A, B with ids 0, 1, 2.
AccountDB databaseWithTypesAB() {
    AccountDB db;
    db.reset();
    db.addType("A");
    db.addType("B");
    return db;
}

std::string typeList(const AccountDB& db) {
    std::string list;
    for (int i = 0; i < db.typeCount(); ++i)
        list += "[" + std::to_string(db.typeAt(i).id()) + ":" + db.typeAt(i).name() + "]";
    return list;
}

}  // namespace

TEST(AccountDBState, ConstructedIsEmptyAndResetIsANewDatabase) {
    AccountDB db;
    EXPECT_EQ(db.typeCount(), 0);
    EXPECT_EQ(db.transCount(), 0);
    EXPECT_FALSE(db.isModified());

    db.reset();
    EXPECT_EQ(db.typeCount(), 1);
    EXPECT_EQ(db.typeAt(0).id(), 0);
    EXPECT_EQ(db.typeAt(0).name(), "");
    EXPECT_EQ(db.lastIndex(), 0);
    EXPECT_EQ(db.name(), "");
    EXPECT_TRUE(db.isModified());
}

TEST(AccountDBState, ClearEmptiesEverythingAndFreesEveryId) {
    AccountDB db = sampleDatabase();
    db.clear();
    EXPECT_EQ(db.typeCount(), 0);
    EXPECT_EQ(db.transCount(), 0);
    EXPECT_EQ(db.lastIndex(), 0);
    EXPECT_EQ(db.name(), "");
    EXPECT_FALSE(db.isModified());
    db.addType("first");
    EXPECT_EQ(db.typeAt(0).id(), 0);
}

TEST(AccountDBState, SetNameMarksModifiedEvenWhenUnchanged) {
    AccountDB db = unmodifiedCopy(sampleDatabase());
    db.setName(db.name());
    EXPECT_TRUE(db.isModified());
}

TEST(AccountDBTransactions, IndexesAreSerialAndNeverReused) {
    AccountDB db;
    db.reset();
    Transaction t = makeTransaction(0, 10, true);
    db.addTransaction(t);
    EXPECT_EQ(t.index(), 1);
    db.addTransaction(t);
    EXPECT_EQ(t.index(), 2);
    db.deleteTransaction(2);
    EXPECT_EQ(db.transCount(), 1);
    db.addTransaction(t);
    EXPECT_EQ(t.index(), 3);
    EXPECT_EQ(db.lastIndex(), 3);
    EXPECT_EQ(db.transaction(1, false).index(), 3);
    EXPECT_EQ(db.transPosition(3), 1);
    EXPECT_EQ(db.transPosition(2), -1);
}

TEST(AccountDBTransactions, UnknownTypeIsRefusedWithoutAnyChange) {
    AccountDB db = sampleDatabase();
    const std::string before = fingerprint(db);
    Transaction t = makeTransaction(1, 10, true);  // id 1 was deleted
    EXPECT_EQ(messageOf([&] { db.addTransaction(t); }), "Array out of bound");
    EXPECT_EQ(t.index(), 0);
    EXPECT_EQ(fingerprint(db), before);

    Transaction moved = db.transaction(0, false);
    moved.setType(99);
    EXPECT_EQ(messageOf([&] { db.modifyTransaction(moved); }), "Array out of bound");
    EXPECT_EQ(fingerprint(db), before);
}

TEST(AccountDBTransactions, LookUpByIndexAndByPosition) {
    AccountDB db;
    db.reset();
    Transaction t = makeTransaction(0, 5, false);
    for (int i = 0; i < 3; ++i) db.addTransaction(t);
    EXPECT_EQ(messageOf([&] { db.transaction(7, true); }), "The transaction index is not exist");
    EXPECT_EQ(messageOf([&] { db.transaction(7, false); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { db.transaction(-1, false); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { db.transaction(3, false); }), "Array out of bound");
    EXPECT_EQ(db.transaction(2, true).index(), 2);
}

TEST(AccountDBTransactions, ModifyMovesTheUsageCountAndKeepsThePosition) {
    AccountDB db = databaseWithTypesAB();
    Transaction first = makeTransaction(1, 10, true);
    Transaction second = makeTransaction(1, 20, true);
    db.addTransaction(first);
    db.addTransaction(second);
    EXPECT_EQ(db.typeById(1).count(), 2);

    first.setType(2);
    first.setAmount(11);
    first.setComment("changed");
    db.modifyTransaction(first);
    EXPECT_EQ(db.typeById(1).count(), 1);
    EXPECT_EQ(db.typeById(2).count(), 1);
    const Transaction& stored = db.transaction(0, false);
    EXPECT_EQ(stored.index(), 1);
    EXPECT_EQ(stored.type(), 2);
    EXPECT_EQ(stored.amount(), 11);
    EXPECT_EQ(stored.comment(), "changed");

    db.deleteTransaction(second.index());
    EXPECT_EQ(db.typeById(1).count(), 0);
}

TEST(AccountDBTransactions, UnknownIndexChangesNothing) {
    AccountDB db = unmodifiedCopy(sampleDatabase());
    const std::string before = fingerprint(db);
    Transaction ghost = makeTransaction(0, 1, true);
    ghost.setIndex(77);
    db.modifyTransaction(ghost);
    db.deleteTransaction(77);
    EXPECT_EQ(fingerprint(db), before);
    EXPECT_FALSE(db.isModified());
}

TEST(AccountDBTransactions, StoredRecordStaysPutWhileTheBookGrows) {
    AccountDB db;
    db.reset();
    Transaction t = makeTransaction(0, 1, true, 2004, 3, 15, "watched");
    db.addTransaction(t);
    const Transaction& watched = db.transaction(1, true);
    const TransType& emptyType = db.typeAt(0);
    for (int i = 0; i < 5000; ++i) {
        Transaction other = makeTransaction(0, i, false);
        db.addTransaction(other);
        if (i % 2 == 0) db.deleteTransaction(other.index());
        db.addType("type " + std::to_string(i % 100));
        db.deleteType(db.findType("type " + std::to_string(i % 100)));
    }
    EXPECT_EQ(&db.transaction(1, true), &watched);
    EXPECT_EQ(watched.comment(), "watched");
    EXPECT_EQ(&db.typeById(0), &emptyType);
    EXPECT_EQ(emptyType.count(), 2501);
}

TEST(AccountDBTypes, DeletedIdIsTheFirstGivenOutAgain) {
    AccountDB db = databaseWithTypesAB();
    db.deleteType(db.findType("A"));
    EXPECT_EQ(typeList(db), "[0:][2:B]");
    EXPECT_EQ(db.typeAt(1).name(), "B");
    EXPECT_EQ(db.typeById(2).name(), "B");
    EXPECT_EQ(messageOf([&] { db.typeById(1); }), "Array out of bound");

    db.addType("C");
    EXPECT_EQ(typeList(db), "[0:][1:C][2:B]");
    EXPECT_EQ(db.typeCount(), 3);
}

TEST(AccountDBTypes, TypeInUseCanOnlyGoOnceItsTransactionsAre) {
    AccountDB db = databaseWithTypesAB();
    Transaction a = makeTransaction(1, 10, true);
    Transaction b = makeTransaction(2, 10, true);
    db.addTransaction(a);
    db.addTransaction(b);
    const std::string before = fingerprint(db);
    EXPECT_EQ(messageOf([&] { db.deleteType(db.findType("A")); }), "There are still other transactions use this type");
    EXPECT_EQ(fingerprint(db), before);

    db.deleteTransaction(a.index());
    db.deleteType(db.findType("A"));
    b.setType(0);
    db.modifyTransaction(b);
    db.deleteType(db.findType("B"));
    EXPECT_EQ(typeList(db), "[0:]");
}

TEST(AccountDBTypes, NamesAreUniqueByExactBytes) {
    AccountDB db;
    db.reset();
    db.addType("Food");
    db.addType("food");
    db.addType("\xAD\xB9");
    const std::string before = fingerprint(db);
    EXPECT_EQ(messageOf([&] { db.addType("Food"); }), "The type Food has existed");
    EXPECT_EQ(messageOf([&] { db.addType(""); }), "The type  has existed");
    EXPECT_EQ(messageOf([&] { db.addType("\xAD\xB9"); }), "The type \xAD\xB9 has existed");
    EXPECT_EQ(fingerprint(db), before);
    EXPECT_EQ(db.findType("food").id(), 2);
}

TEST(AccountDBTypes, LookUpsThatFindNothing) {
    AccountDB db = databaseWithTypesAB();
    EXPECT_EQ(messageOf([&] { db.findType("a"); }), "No transaction type");
    EXPECT_EQ(messageOf([&] { db.typeById(3); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { db.typeById(-1); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { db.typeAt(3); }), "Array out of bound");
    EXPECT_EQ(messageOf([&] { db.typeAt(-1); }), "Array out of bound");

    AccountDB unmodified = unmodifiedCopy(db);
    TransType stranger;
    stranger.setId(50);
    unmodified.deleteType(stranger);
    EXPECT_EQ(unmodified.typeCount(), 3);
    EXPECT_FALSE(unmodified.isModified());
}

TEST(AccountDBTypes, Type129IsRefusedAndNothingChanges) {
    AccountDB db;
    db.reset();
    for (int i = 1; i < 128; ++i) db.addType("type " + std::to_string(i));
    ASSERT_EQ(db.typeCount(), 128);
    db = unmodifiedCopy(db);
    const std::string before = fingerprint(db);

    EXPECT_EQ(messageOf([&] { db.addType("one too many"); }), "Too many transaction types");
    EXPECT_EQ(fingerprint(db), before);
    EXPECT_FALSE(db.isModified());

    db.deleteType(db.findType("type 77"));
    db.addType("back in");
    EXPECT_EQ(db.findType("back in").id(), 77);
}

TEST(AccountDBTypes, TwoDatabasesGiveOutIdsIndependently) {
    AccountDB first = databaseWithTypesAB();
    AccountDB second;
    second.reset();

    first.clear();
    second.addType("X");
    EXPECT_EQ(second.findType("X").id(), 1);

    first.loadBytes(encodeDatabase(databaseWithTypesAB()));
    second.addType("Y");
    EXPECT_EQ(second.findType("Y").id(), 2);

    second.clear();
    first.addType("C");
    EXPECT_EQ(first.findType("C").id(), 3);
}

TEST(AccountDBSums, FiltersByTypeDirectionAndInclusiveDates) {
    AccountDB db = databaseWithTypesAB();
    Transaction t = makeTransaction(1, 100, true, 2004, 3, 1);
    db.addTransaction(t);
    t = makeTransaction(2, 30, false, 2004, 3, 31);
    db.addTransaction(t);
    t = makeTransaction(2, 5, false, 2004, 4, 1);
    db.addTransaction(t);

    EXPECT_EQ(db.sumAmount(-1, -1, -1, -1), 65);
    EXPECT_EQ(db.sumAmount(-1, 0, -1, -1), 100);
    EXPECT_EQ(db.sumAmount(-1, 1, -1, -1), -35);
    EXPECT_EQ(db.sumAmount(-1, 7, -1, -1), -35);  // any other selector means outgoing
    EXPECT_EQ(db.sumAmount(2, -1, -1, -1), -35);
    EXPECT_EQ(db.sumAmount(0, -1, -1, -1), 0);

    const int march1 = packDate(2004, 3, 1);
    const int march31 = packDate(2004, 3, 31);
    EXPECT_EQ(db.sumAmount(-1, -1, march1, march31), 70);
    EXPECT_EQ(db.sumAmount(-1, -1, march31, -1), -35);
    EXPECT_EQ(db.sumAmount(-1, -1, -1, march1), 100);
    EXPECT_EQ(db.sumAmount(1, 1, march1, march31), 0);
}

TEST(AccountDBSums, TotalsBeyondThe32BitRangeAreExact) {
    AccountDB db;
    db.reset();
    constexpr int big = std::numeric_limits<std::int32_t>::max();
    for (int i = 0; i < 3; ++i) {
        Transaction in = makeTransaction(0, big, true);
        db.addTransaction(in);
    }
    for (int i = 0; i < 5; ++i) {
        Transaction out = makeTransaction(0, big, false, 2005);
        db.addTransaction(out);
    }
    EXPECT_EQ(db.sumAmount(-1, 0, -1, -1), std::int64_t{3} * big);
    EXPECT_EQ(db.sumAmount(-1, 1, -1, -1), std::int64_t{-5} * big);
    EXPECT_EQ(db.sumAmount(-1, -1, -1, -1), std::int64_t{-2} * big);

    const auto byType = db.sumByType(-1, -1);
    EXPECT_EQ(byType[0].income, std::int64_t{3} * big);
    EXPECT_EQ(byType[0].outgoing, std::int64_t{-5} * big);

    // Subtracting the most negative amount must not overflow.
    AccountDB lowest;
    lowest.reset();
    Transaction out = makeTransaction(0, std::numeric_limits<std::int32_t>::min(), false);
    lowest.addTransaction(out);
    EXPECT_EQ(lowest.sumAmount(-1, 1, -1, -1), std::int64_t{1} << 31);
    EXPECT_EQ(lowest.sumByType(-1, -1)[0].outgoing, std::int64_t{1} << 31);
}

TEST(AccountDBSums, SumByTypeAgreesWithSumAmountForEveryType) {
    std::mt19937 random(12345);
    AccountDB db;
    db.reset();
    for (int i = 1; i < 40; ++i) db.addType("t" + std::to_string(i));
    for (int i = 1; i < 40; i += 3) db.deleteType(db.findType("t" + std::to_string(i)));  // gaps in the ids
    for (int i = 0; i < 3000; ++i) {
        const int typeId = db.typeAt(static_cast<int>(random() % db.typeCount())).id();
        const int amount = static_cast<int>(random() % 2000001) - 1000000;
        Transaction t = makeTransaction(typeId, amount, random() % 2 == 0, 1995 + static_cast<int>(random() % 20),
                                        1 + static_cast<int>(random() % 12), 1 + static_cast<int>(random() % 28));
        db.addTransaction(t);
    }

    // Bounds that some transactions fall on exactly, since both are inclusive.
    const int someDate = db.transaction(10, false).dateCode();
    const int laterDate = std::max(someDate, db.transaction(20, false).dateCode());
    const std::pair<int, int> ranges[] = {{-1, -1},
                                          {packDate(2000, 1, 1), packDate(2009, 12, 31)},
                                          {someDate, laterDate},
                                          {someDate, -1},
                                          {-1, someDate}};
    for (const auto& [first, last] : ranges) {
        const auto sums = db.sumByType(first, last);
        for (int id = 0; id < TypeIdTable::capacity; ++id) {
            EXPECT_EQ(sums[id].income, db.sumAmount(id, 0, first, last)) << "type " << id;
            EXPECT_EQ(sums[id].outgoing, db.sumAmount(id, 1, first, last)) << "type " << id;
        }
    }
}

// Every kind of change, drawn from a fixed seed, with the whole database
// checked after each step: usage counts, ids, indexes and every sum against a
// recount. Saves and loads come in between, so a loaded book goes on being
// changed and checked. A refused change must leave everything as it was.
TEST(AccountDBConsistency, HoldsAfterEveryStepOfARandomSequence) {
    TempDir dir;
    std::mt19937 random(20240606);
    const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    const auto randomAmount = [&] {
        switch (pick(10)) {
        case 0: return std::numeric_limits<std::int32_t>::min();
        case 1: return std::numeric_limits<std::int32_t>::max();
        default: return pick(200001) - 100000;
        }
    };
    // Few years, so that the check's date bounds fall on many transactions,
    // on both sides of 8000, where a date code's sign bit turns; now and
    // then a type id that no type has, which must be refused.
    const auto randomize = [&](Transaction& t, const AccountDB& db) {
        constexpr int years[] = {2000, 2001, 2002, 7999, 8000, 9999};
        t.setType(pick(20) == 0 ? 127 : db.typeAt(pick(db.typeCount())).id());
        t.setAmount(randomAmount());
        t.setIncome(pick(2) == 0);
        t.setYear(years[pick(static_cast<int>(std::size(years)))]);
        t.setMonth(1 + pick(12));
        t.setDay(1 + pick(28));
        t.setComment(std::string(static_cast<std::size_t>(pick(4)), '\xA4'));
    };

    enum Kind { add, modify, remove, addType, deleteType, saveAndLoad, kinds };
    int done[kinds] = {};
    int refused = 0;
    AccountDB db = sampleDatabase();
    for (int step = 0; step < 1000; ++step) {
        const int draw = pick(100);
        const Kind kind = draw < 30   ? add
                          : draw < 55 ? modify
                          : draw < 78 ? remove
                          : draw < 88 ? addType
                          : draw < 97 ? deleteType
                                      : saveAndLoad;
        const std::string before = fingerprint(db);
        std::string message = "<nothing thrown>";
        if (kind == add && db.typeCount() > 0) {
            Transaction t;
            randomize(t, db);
            message = messageOf([&] { db.addTransaction(t); });
        } else if (kind == modify && db.transCount() > 0) {
            Transaction t = db.transaction(pick(db.transCount()), false);
            randomize(t, db);
            message = messageOf([&] { db.modifyTransaction(t); });
        } else if (kind == remove && db.transCount() > 0) {
            db.deleteTransaction(db.transaction(pick(db.transCount()), false).index());
        } else if (kind == addType) {
            message = messageOf([&] { db.addType("t" + std::to_string(pick(30))); });
        } else if (kind == deleteType && db.typeCount() > 0) {
            message = messageOf([&] { db.deleteType(db.typeAt(pick(db.typeCount()))); });
        } else if (kind == saveAndLoad) {
            std::string path = dir.path("book");
            db.saveFile(path);
            AccountDB loaded;
            loaded.loadFile(path);
            ASSERT_EQ(encodeDatabase(loaded), encodeDatabase(db)) << "step " << step;
            db = std::move(loaded);
        } else {
            continue;
        }
        ++done[kind];
        if (message != "<nothing thrown>") {
            ++refused;
            ASSERT_EQ(fingerprint(db), before) << "step " << step << ": " << message;
        }
        ASSERT_EQ(consistencyFault(db), "") << "after step " << step << ", change " << kind;
    }
    // The sequence really mixes every kind of change, refusals included.
    for (int kind = 0; kind < kinds; ++kind) EXPECT_GE(done[kind], 20) << "change " << kind;
    EXPECT_GE(refused, 40);
}

// ---- Taking changes back: what undo needs of the core ----

namespace {

// sampleDatabase with an unused type whose id (1) lies between others and
// three more transactions, so a restore can aim at the first, a middle and
// the last position, and a long comment goes through the text arena.
AccountDB restoreBook() {
    AccountDB db = sampleDatabase();
    db.addType("Spare");
    const int food = db.findType("\xAD\xB9\xAA\xAB").id();
    for (int k = 0; k < 3; ++k) {
        Transaction t =
            makeTransaction(food, 10 + k, k % 2 == 0, 2005, 1 + k, 2, k == 1 ? "a comment longer than inline" : "");
        db.addTransaction(t);
    }
    return unmodifiedCopy(db);
}

using WayBack = std::function<void(AccountDB&)>;

WayBack deleteTransactionAt(AccountDB& db, int position) {
    const Transaction kept = db.transaction(position, false);
    db.deleteTransaction(kept.index());
    return [kept, position](AccountDB& book) { book.restoreTransaction(kept, position); };
}

}  // namespace

// Each change, then the operations that take it back: the bytes written
// after must be the bytes written before, and the book must hold together.
TEST(AccountDBRestore, TakingAChangeBackGivesTheSameFile) {
    struct Case {
        const char* name;
        std::function<WayBack(AccountDB&)> change;
    };
    const Case cases[] = {
        {"delete first transaction", [](AccountDB& db) { return deleteTransactionAt(db, 0); }},
        {"delete middle transaction", [](AccountDB& db) { return deleteTransactionAt(db, 3); }},
        {"delete last transaction", [](AccountDB& db) { return deleteTransactionAt(db, db.transCount() - 1); }},
        {"add transaction",
         [](AccountDB& db) -> WayBack {
             const int last = db.lastIndex();
             Transaction t = makeTransaction(0, 5, true);
             db.addTransaction(t);
             return [last](AccountDB& book) {
                 book.deleteTransactionAt(book.transCount() - 1);
                 book.restoreLastIndex(last);
             };
         }},
        {"delete type between others",
         [](AccountDB& db) -> WayBack {
             const int id = db.findType("Spare").id();
             db.deleteType(db.typeById(id));
             return [id](AccountDB& book) { book.restoreType(id, "Spare"); };
         }},
        {"import: a new type and two transactions",
         [](AccountDB& db) -> WayBack {
             const int last = db.lastIndex();
             db.addType("Imported");
             const int id = db.findType("Imported").id();
             for (int k = 0; k < 2; ++k) {
                 Transaction t = makeTransaction(id, 7, false, 2006, 6, 6, "imported row comment, long");
                 db.addTransaction(t);
             }
             return [last, id](AccountDB& book) {
                 book.deleteTransactionAt(book.transCount() - 1);
                 book.deleteTransactionAt(book.transCount() - 1);
                 book.deleteType(book.typeById(id));
                 book.restoreLastIndex(last);
             };
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AccountDB db = restoreBook();
        const std::string before = encodeDatabase(db);
        const WayBack back = c.change(db);
        ASSERT_NE(encodeDatabase(db), before);
        back(db);
        EXPECT_EQ(encodeDatabase(db), before);
        EXPECT_EQ(consistencyFault(db), "");
        EXPECT_TRUE(db.isModified());
    }
}

// A restore that would break the book is refused with its message and
// changes nothing.
TEST(AccountDBRestore, RestoresThatWouldBreakTheBookAreRefused) {
    struct Case {
        const char* name;
        std::function<void(AccountDB&)> restore;
        std::string message;
    };
    const Case cases[] = {
        {"index held by another transaction", [](AccountDB& db) { db.restoreTransaction(db.transaction(1, false), 0); },
         std::string(errorText(ErrorCode::indexInUse))},
        {"transaction of a missing type",
         [](AccountDB& db) {
             Transaction t = makeTransaction(99, 1, true);
             t.setIndex(db.lastIndex() + 1);
             db.restoreTransaction(t, 0);
         },
         std::string(errorText(ErrorCode::outOfBound))},
        {"type id in use", [](AccountDB& db) { db.restoreType(2, "New"); },
         std::string(errorText(ErrorCode::outOfBound))},
        {"type id beyond the 128", [](AccountDB& db) { db.restoreType(128, "New"); },
         std::string(errorText(ErrorCode::outOfBound))},
        {"type name in use", [](AccountDB& db) { db.restoreType(100, "Salary"); },
         ErrorMsg::typeExists("Salary").message()},
        {"lastIndex below a held index", [](AccountDB& db) { db.restoreLastIndex(db.lastIndex() - 2); },
         std::string(errorText(ErrorCode::indexInUse))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AccountDB db = restoreBook();
        const std::string before = fingerprint(db);
        EXPECT_EQ(messageOf([&] { c.restore(db); }), c.message);
        EXPECT_EQ(fingerprint(db), before);
    }
}

// A restored index above lastIndex raises it, so the next new index is
// still unused; a restored type's id is taken, so addType skips it.
TEST(AccountDBRestore, RestoredIndexesAndIdsAreNotGivenOutAgain) {
    AccountDB db = restoreBook();
    Transaction t = makeTransaction(0, 1, true);
    t.setIndex(db.lastIndex() + 5);
    db.restoreTransaction(t, 0);
    EXPECT_EQ(db.lastIndex(), t.index());
    Transaction next = makeTransaction(0, 1, true);
    db.addTransaction(next);
    EXPECT_EQ(next.index(), t.index() + 1);

    db.deleteType(db.findType("Spare"));
    db.restoreType(1, "Spare");
    db.addType("Later");
    EXPECT_EQ(db.findType("Later").id(), 4);
    EXPECT_EQ(consistencyFault(db), "");
}
