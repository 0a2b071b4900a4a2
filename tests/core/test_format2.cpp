// Format 2 of the book file: every field back as written, the checksums and
// the sections (damage, newer files, parts passed over), the limits, the
// conversion from format 1 and which format a save writes.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/crc32c.h"
#include "core/utf8text.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/tempdir.h"

using namespace KestLib;

namespace {

const AccountDB::Recode asIs = [](std::string_view text) { return std::optional<std::string>(text); };

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

// A format 2 book with what each field can hold: texts of every script at
// their limits, a tab, the empty comment, negative and largest amounts, a gap
// in the type ids and a last index above the last transaction's.
AccountDB fullBook(int decimals) {
    BookBuilder book(repeated("名", 100));
    book.income("Café Müller", 1250, 2024, 2, 29, repeated("ラ", 1000))
        .outgoing("Gebühr", -15, 1, 12, 31, "Kaffee \xF0\x9F\x99\x82\tx")
        .income(repeated("д", 100), 7, 65535, 255, 0, "")
        .outgoing("gone", 1)
        .withoutLastTransaction()
        .withoutType("gone");
    AccountDB db = book.build();
    db.convertToFormat2(decimals, asIs);
    Transaction largest = db.transaction(2, false);
    largest.setAmount(2147483647);
    db.modifyTransaction(largest);
    return db;
}

std::string encoded(const AccountDB& db) { return encodeDatabase(db); }

AccountDB decoded(const std::string& bytes) {
    AccountDB db;
    db.loadBytes(bytes);
    return db;
}

// A section of the given tag and payload, checked as the writer checks it.
std::string section(std::string_view tag, std::string_view payload) {
    std::string out(tag);
    for (int k = 7; k >= 0; --k) out.push_back(static_cast<char>((payload.size() >> (8 * k)) & 0xFF));
    out += payload;
    const std::uint32_t check = crc32c(out);
    for (int k = 3; k >= 0; --k) out.push_back(static_cast<char>((check >> (8 * k)) & 0xFF));
    return out;
}

std::string header(unsigned version) {
    std::string out = std::string("PWDB") + static_cast<char>(version);
    const std::uint32_t check = crc32c(out);
    for (int k = 3; k >= 0; --k) out.push_back(static_cast<char>((check >> (8 * k)) & 0xFF));
    return out;
}

// Where the sections of a file start, after its header.
std::vector<std::size_t> sectionStarts(const std::string& bytes) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 9; at < bytes.size();) {
        starts.push_back(at);
        std::uint64_t length = 0;
        for (int k = 0; k < 8; ++k)
            length = length << 8 | static_cast<unsigned char>(bytes[at + 4 + static_cast<std::size_t>(k)]);
        at += 16 + length;
    }
    return starts;
}

// Big-endian bytes of a number, and a text with its length before it.
std::string bigEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int k = bytes - 1; k >= 0; --k) out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
    return out;
}
std::string storedText(std::string_view bytes) { return bigEndian(bytes.size(), 2) + std::string(bytes); }

// A format 2 book of one type and a transaction for each comment, whose
// bytes are as given and every check sealed, so that only the text rules
// can refuse it.
std::string fileWithComments(const std::vector<std::string>& comments) {
    std::string records = bigEndian(comments.size(), 4) + bigEndian(comments.size(), 4);
    for (std::size_t i = 0; i < comments.size(); ++i)
        records += bigEndian(i + 1, 4) + bigEndian(2024, 2) + "\x01\x02" + bigEndian(5, 4) + std::string(2, '\0') +
                   storedText(comments[i]);
    return header(2) + section("BOOK", std::string(1, '\0') + storedText("b")) +
           section("TYPE", std::string("\x01\x00", 2) + storedText("t")) + section("TRAN", records) +
           section("END.", "");
}

}  // namespace

TEST(Format2, ChecksumAndTextRulesAreTheStandardOnes) {
    EXPECT_EQ(crc32c("123456789"), 0xE3069283u);
    EXPECT_EQ(crc32c("56789", crc32c("1234")), 0xE3069283u);
    const std::pair<std::string_view, std::optional<std::size_t>> texts[] = {
        {"", 0},
        {"a\tb", 3},
        {"Müller 发票 \xF0\x9F\x99\x82", 11},
        {"\n", std::nullopt},
        {"\x7F", std::nullopt},
        {"\xC2\x85", std::nullopt},          // a C1 control
        {"\xC0\xAF", std::nullopt},          // an overlong form
        {"\xED\xA0\x80", std::nullopt},      // a surrogate
        {"\xEF\xBF\xBF", std::nullopt},      // a noncharacter
        {"\xF4\x90\x80\x80", std::nullopt},  // past U+10FFFF
        {"\xE4\xB8", std::nullopt},          // cut short
        {"\xA4\xA4", std::nullopt},          // Big5
    };
    for (const auto& [text, characters] : texts) {
        EXPECT_EQ(storableCharacters(text), characters) << text;
        // The same amid longer texts, where the vector path takes them.
        const std::string padded = "0123456789abcdef" + std::string(text) + "0123456789abcdef";
        EXPECT_EQ(storableCharacters(padded), characters ? std::optional<std::size_t>(*characters + 32) : std::nullopt)
            << text;
    }
    // Texts pieced together at random from good and bad pieces: both paths agree.
    const std::vector<std::string> pieces = {"a",
                                             "\t",
                                             "\n",
                                             "\x7F",
                                             "é",
                                             "\xC2\x85",
                                             "\xC2\xA0",
                                             "语",
                                             "\xEF\xB7\x90",
                                             "\xEF\xB7\xB0",
                                             "\xEF\xBF\xBE",
                                             "\xEF\xBF\xBD",
                                             "\xF0\x9F\x99\x82",
                                             "\xF0\x9F\xBF\xBF",
                                             "\xF4\x8F\xBF\xBD",
                                             "\xF4\x90\x80\x80",
                                             "\xED\xA0\x80",
                                             "\xED\x9F\xBF",
                                             "\xE0\x9F\x80",
                                             "\xC1\xBF",
                                             "\x80",
                                             "\xE4\xB8",
                                             "\xF0\x90\x80"};
    std::mt19937 random(29);
    for (int k = 0; k < 20000; ++k) {
        std::string text;
        const int count = static_cast<int>(random() % 30);
        // Mostly good pieces, so that long texts are accepted often enough.
        for (int i = 0; i < count; ++i)
            text += pieces[random() % 3 == 0 ? random() % pieces.size() : random() % 2 == 0 ? 0 : 7];
        ASSERT_EQ(storableCharacters(text), storableCharactersStepwise(text)) << testing::PrintToString(text);
    }
}

TEST(Format2, EveryFieldComesBackAsWritten) {
    for (int decimals : {0, 2, 3}) {
        const AccountDB db = fullBook(decimals);
        const std::string bytes = encoded(db);
        ASSERT_EQ(bytes.substr(0, 5), std::string("PWDB\x02", 5));
        const AccountDB back = decoded(bytes);
        EXPECT_EQ(back.format(), 2);
        EXPECT_EQ(back.decimals(), decimals);
        EXPECT_TRUE(back.isFormatKept());
        EXPECT_FALSE(back.isModified());
        EXPECT_EQ(back.name(), db.name());
        EXPECT_EQ(back.lastIndex(), db.lastIndex());
        ASSERT_EQ(back.typeCount(), db.typeCount());
        for (int i = 0; i < db.typeCount(); ++i) {
            EXPECT_EQ(back.typeAt(i).id(), db.typeAt(i).id());
            EXPECT_EQ(back.typeAt(i).name(), db.typeAt(i).name());
            EXPECT_EQ(back.typeAt(i).count(), db.typeAt(i).count());
        }
        ASSERT_EQ(back.transCount(), db.transCount());
        for (int i = 0; i < db.transCount(); ++i) {
            const Transaction& a = db.transaction(i, false);
            const Transaction& b = back.transaction(i, false);
            EXPECT_EQ(std::vector<int>({a.index(), a.year(), a.month(), a.day(), a.amount(), a.isIncome(), a.type()}),
                      std::vector<int>({b.index(), b.year(), b.month(), b.day(), b.amount(), b.isIncome(), b.type()}));
            EXPECT_EQ(b.comment(), a.comment());
        }
        EXPECT_EQ(encoded(back), bytes);
    }
}

TEST(Format2, ASaveWritesFormat1UntilTheBookIsConverted) {
    TempDir dir;
    std::string path = dir.path("book.pwdb");
    AccountDB db = BookBuilder("Home").income("Food", 12).build();
    EXPECT_EQ(db.format(), 1);
    EXPECT_FALSE(db.isFormatKept());
    const std::string format1 = encoded(db);
    db.saveFile(path);
    EXPECT_EQ(readFile(path), format1);
    db.loadFile(path);
    EXPECT_EQ(db.format(), 1);
    EXPECT_TRUE(db.isFormatKept());
    db.saveFile(path);
    EXPECT_EQ(readFile(path), format1);

    db.convertToFormat2(2, asIs);
    EXPECT_TRUE(db.isModified());
    EXPECT_EQ(db.transaction(0, false).amount(), 1200);
    db.saveFile(path);
    EXPECT_EQ(readFile(path).substr(0, 5), std::string("PWDB\x02", 5));
    db.loadFile(path);
    EXPECT_EQ(db.decimals(), 2);
    db.reset();
    EXPECT_EQ(db.format(), 1);
    EXPECT_EQ(db.decimals(), 0);
}

TEST(Format2, AConversionThatCantBeExactChangesNothing) {
    const auto refuse = [](std::string_view text) {
        return text == "bad" ? std::nullopt : std::optional<std::string>(text);
    };
    // Texts format 1 holds and format 2 can't are refused by the conversion
    // itself, not by the save after it.
    const std::string longName = repeated("n", 101);
    const struct {
        AccountDB book;
        int decimals;
        std::string message;  // empty: any refusal
    } cases[] = {
        {BookBuilder("Home").income("Food", 21474837).build(), 2, ""},
        {BookBuilder("Home").outgoing("Food", -2147484).build(), 3, ""},
        {BookBuilder("Home").income("bad", 1).build(), 2, ""},
        {BookBuilder("Home").income("Food", 1).build(), 1, ""},
        {BookBuilder(longName).income("Food", 1).build(), 0, "The database name is longer than 100 characters"},
        {BookBuilder("Home").income(longName, 1).build(), 0, "A type name is longer than 100 characters"},
        {BookBuilder("Home").income("Food", 1, 2024, 1, 1, "a\x01").build(), 0,
         ErrorMsg(ErrorCode::notStorableText).message()},
    };
    for (const auto& test : cases) {
        AccountDB db = BookBuilder("Home").build();
        db.loadBytes(encoded(test.book));
        const std::string before = fingerprint(db);
        const std::string message = messageOf([&] { db.convertToFormat2(test.decimals, refuse); });
        EXPECT_NE(message, "<nothing thrown>");
        if (!test.message.empty()) EXPECT_EQ(message, test.message);
        EXPECT_EQ(fingerprint(db), before);
        EXPECT_EQ(db.format(), 1);
    }
}

TEST(Format2, WhatTheFormatCantHoldIsRefusedBeforeWriting) {
    const std::pair<std::function<void(BookBuilder&)>, std::string> cases[] = {
        {[](BookBuilder& b) { b.income("Food", 1, 2004, 3, 15, repeated("é", 1001)); },
         "A comment is longer than 1000 characters"},
        {[](BookBuilder& b) { b.type(repeated("x", 101)); }, "A type name is longer than 100 characters"},
        {[](BookBuilder& b) { b.db.setName(repeated("名", 101)); }, "The database name is longer than 100 characters"},
        {[](BookBuilder& b) { b.income("Food", 1, 2004, 3, 15, "line\nbreak"); },
         "A text is not UTF-8 or holds a control character"},
        {[](BookBuilder& b) { b.type("\xA4\xA4"); }, "A text is not UTF-8 or holds a control character"},
    };
    for (const auto& [fill, message] : cases) {
        BookBuilder book("Home");
        book.db.convertToFormat2(2, asIs);
        fill(book);
        EXPECT_EQ(messageOf([&] { encoded(book.db); }), message);
    }
}

// A save looks again only at the comments the book did not find storable as
// it stored them: every way a comment enters a book read from its file, the
// bad one is refused when the book is written, the good one written as given.
TEST(Format2, ACommentIsCheckedHoweverItEnteredTheBook) {
    using Way = std::function<void(AccountDB&, const std::string&)>;
    const std::pair<std::string, Way> ways[] = {
        {"added",
         [](AccountDB& db, const std::string& comment) {
             Transaction added = db.transaction(0, false);
             added.setComment(comment);
             db.addTransaction(added);
         }},
        {"a read record changed",
         [](AccountDB& db, const std::string& comment) {
             Transaction changed = db.transaction(1, false);
             changed.setComment(comment);
             db.modifyTransaction(changed);
         }},
        {"a read record changed after its date moved it apart",
         [](AccountDB& db, const std::string& comment) {
             Transaction changed = db.transaction(0, false);
             changed.setYear(70000);
             changed.setComment(comment);
             db.modifyTransaction(changed);
         }},
        {"put back after a delete",
         [](AccountDB& db, const std::string& comment) {
             Transaction removed = db.transaction(2, false);
             db.deleteTransaction(removed.index());
             removed.setComment(comment);
             db.restoreTransaction(removed, 0);
         }},
        {"recoded by a conversion",
         [](AccountDB& db, const std::string& comment) {
             db = BookBuilder("Home").income("Food", 1, 2004, 3, 15, "old").build();
             db.convertToFormat2(2, [&](std::string_view text) {
                 return std::optional<std::string>(text == "old" ? comment : std::string(text));
             });
         }},
    };
    struct Comment {
        std::string what;
        std::string text;
        std::string refusal;
    };
    const Comment comments[] = {
        {"short", "Kaffee \xF0\x9F\x99\x82\tund Kuchen", "<nothing thrown>"},
        {"the longest", repeated("语", 1000), "<nothing thrown>"},
        {"a control", "line\nbreak", "A text is not UTF-8 or holds a control character"},
        {"Big5", repeated("\xA4\xA4", 12), "A text is not UTF-8 or holds a control character"},
        {"too long", repeated("é", 1001), "A comment is longer than 1000 characters"},
    };
    const std::string whole = encoded(fullBook(2));
    for (const auto& [way, enter] : ways) {
        for (const auto& [what, comment, refusal] : comments) {
            SCOPED_TRACE(way + ", " + what);
            AccountDB db = decoded(whole);
            // A conversion refuses what it can't store itself; a change
            // leaves it to the save.
            const std::string entered = messageOf([&db, &how = enter, &text = comment] { how(db, text); });
            if (way == "recoded by a conversion") {
                EXPECT_EQ(entered, refusal);
                if (entered != "<nothing thrown>") continue;
            }
            std::string bytes;
            EXPECT_EQ(messageOf([&] { bytes = encoded(db); }), refusal);
            if (!bytes.empty()) {
                const AccountDB back = decoded(bytes);
                int found = 0;
                for (int i = 0; i < back.transCount(); ++i) {
                    found += back.transaction(i, false).comment() == comment;
                    // Read back, the book has checked them all: its save looks at none.
                    EXPECT_TRUE(back.transaction(i, false).isCommentChecked()) << i;
                }
                EXPECT_EQ(found, 1);
            }
        }
    }
}

TEST(Format2, EveryCutAndEveryFlippedBitIsDamage) {
    const std::string whole = encoded(fullBook(2));
    AccountDB db = BookBuilder("kept").income("Food", 3).build();
    const std::string before = fingerprint(db);
    for (std::size_t length = 9; length < whole.size(); ++length) {
        ASSERT_EQ(messageOf([&] { db.loadBytes(whole.substr(0, length)); }), "Damaged Pennywell database file")
            << "length " << length;
    }
    const std::vector<std::size_t> starts = sectionStarts(whole);
    ASSERT_EQ(starts.size(), 4u);
    // Every bit of the three short sections, and of the transactions' head,
    // the start of each record and the check; the middle of long texts is
    // covered by the same check.
    std::vector<std::size_t> offsets;
    for (std::size_t at = 9; at < starts[2] + 60; ++at) offsets.push_back(at);
    for (std::size_t at = starts[3] - 40; at < whole.size(); ++at) offsets.push_back(at);
    for (std::size_t at : offsets)
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = whole;
            flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
            ASSERT_EQ(messageOf([&] { db.loadBytes(flipped); }), "Damaged Pennywell database file")
                << "offset " << at << " bit " << bit;
        }
    EXPECT_EQ(fingerprint(db), before);
}

TEST(Format2, EveryCommentReadIsHeldToTheRulesOfItsOwn) {
    // The reader checks many comments at a time: a character may not run
    // from one comment into the next, nor may one comment's fault hide among
    // many good ones, near or past the first few thousand bytes.
    const std::string fullComment = repeated("a", 1000);
    const std::string many = repeated("é", 600);  // 1,200 bytes, 600 characters
    std::vector<std::string> faultLast(100, fullComment);
    faultLast.back() = "x\x7F";
    std::vector<std::string> cutAtTheEnd(70, fullComment);
    cutAtTheEnd.back() = "z\xE4\xB8";
    struct Case {
        const char* name;
        std::vector<std::string> comments;
        bool accepted;
    };
    const Case cases[] = {
        {"texts of several scripts", {"Café", "", "中文", "Kaffee \xF0\x9F\x99\x82", "\t"}, true},
        {"a character split between two comments", {"x\xE4", "\xB8\xAD"}, false},
        {"a character cut short before the next comment", {"a\xE4\xB8", "b"}, false},
        {"a comment that starts inside a character", {"ab", "\xAD"}, false},
        {"a control", {"ok", "\x01"}, false},
        {"a comment of the most characters, and one of more bytes", {fullComment, many}, true},
        {"a comment of one character too many", {"ok", fullComment + "b"}, false},
        {"a fault after a hundred good comments", faultLast, false},
        {"a character cut short at the end", cutAtTheEnd, false},
    };
    for (const Case& test : cases) {
        AccountDB db;
        const std::string file = fileWithComments(test.comments);
        EXPECT_EQ(messageOf([&] { db.loadBytes(file); }),
                  test.accepted ? "<nothing thrown>" : "Damaged Pennywell database file")
            << test.name;
        if (!test.accepted) continue;
        ASSERT_EQ(db.transCount(), static_cast<int>(test.comments.size())) << test.name;
        for (int i = 0; i < db.transCount(); ++i)
            EXPECT_EQ(std::string(db.transaction(i, false).comment()), test.comments[static_cast<std::size_t>(i)])
                << test.name;
    }
}

TEST(Format2, NewerFilesAreToldApartFromDamage) {
    const std::string whole = encoded(fullBook(0));
    const std::size_t end = sectionStarts(whole).back();
    const std::pair<std::string, std::string> cases[] = {
        {header(3) + whole.substr(9), "This book was made by a newer Pennywell"},
        {whole.substr(0, end) + section("RECU", "later") + whole.substr(end),
         "This book was made by a newer Pennywell"},
        {whole.substr(0, end) + section("note", "passed over") + whole.substr(end), "<nothing thrown>"},
        {std::string("PWDB\x02", 5) + whole.substr(9, 4), "This PWDB file is correspond with this program"},
        {header(2) + section("BOOK", std::string(1, '\x01') + std::string(2, '\0')), "Damaged Pennywell database file"},
        {whole.substr(0, end) + whole.substr(end - 6), "Damaged Pennywell database file"},
    };
    for (const auto& [file, message] : cases) {
        AccountDB db;
        const std::string& bytes = file;
        EXPECT_EQ(messageOf([&] { db.loadBytes(bytes); }), message);
    }
}

TEST(Format2, DecimalsChangeEveryAmountExactlyOrNone) {
    struct Case {
        int from;
        int to;
        std::vector<int> amounts;
        std::vector<int> expected;  // empty: refused with message
        std::string message;
    };
    const Case cases[] = {
        {0, 2, {12, -7, 0}, {1200, -700, 0}, ""},
        {2, 3, {1250, -15}, {12500, -150}, ""},
        {3, 0, {12000, -3000}, {12, -3}, ""},
        {2, 0, {1200, 1250}, {}, "An amount has more decimals than the book would keep"},
        {3, 2, {-1}, {}, "An amount has more decimals than the book would keep"},
        {0, 3, {1, 2147484}, {}, "An amount is too large for the book's decimals"},
        {2, 1, {100}, {}, "A book keeps 0, 2 or 3 decimals"},
    };
    for (const Case& c : cases) {
        BookBuilder book("Home");
        for (const int amount : c.amounts) book.income("Food", amount);
        AccountDB db = book.build();
        db.convertToFormat2(c.from, asIs);
        // The amounts as the case gives them, at from decimals.
        for (int i = 0; i < db.transCount(); ++i) {
            Transaction record = db.transaction(i, false);
            record.setAmount(c.amounts[static_cast<std::size_t>(i)]);
            db.modifyTransaction(record);
        }
        const std::string before = fingerprint(db);
        const std::string thrown = messageOf([&] { db.changeDecimals(c.to); });
        std::vector<int> amounts;
        for (int i = 0; i < db.transCount(); ++i) amounts.push_back(db.transaction(i, false).amount());
        if (c.expected.empty()) {
            EXPECT_EQ(thrown, c.message) << c.from << " to " << c.to;
            EXPECT_EQ(fingerprint(db), before);
            EXPECT_EQ(db.decimals(), c.from);
        } else {
            EXPECT_EQ(thrown, "<nothing thrown>");
            EXPECT_EQ(amounts, c.expected) << c.from << " to " << c.to;
            EXPECT_EQ(db.decimals(), c.to);
        }
    }
}

TEST(Format2, BackToFormat1IsTheSameFileOrNothingChanges) {
    // UTF-8 bytes kept as they are by the recoding, so that both formats
    // take them.
    AccountDB original = BookBuilder("Haushalt Müller")
                             .income("Café", 12, 2024, 2, 29, std::string(255, 'c'))
                             .outgoing("Rent", -700, 1, 12, 31, "名字")
                             .income("gone", 1)
                             .withoutLastTransaction()
                             .withoutType("gone")
                             .build();
    const std::string format1 = encoded(original);
    for (const int decimals : {0, 2, 3}) {
        AccountDB db = BookBuilder().build();
        db.loadBytes(format1);
        db.convertToFormat2(decimals, asIs);
        db.convertToFormat1(asIs);
        EXPECT_EQ(db.format(), 1);
        EXPECT_EQ(db.decimals(), 0);
        EXPECT_EQ(encoded(db), format1) << decimals;
    }

    const auto refuse = [](std::string_view text) {
        return text == "bad" ? std::nullopt : std::optional<std::string>(text);
    };
    const std::pair<std::function<void(AccountDB&)>, std::string> cases[] = {
        {[](AccountDB& db) { db.addType("bad"); }, "A text is not UTF-8 or holds a control character"},
        {[](AccountDB& db) { db.setName(repeated("名", 86)); }, "The database name is longer than 255 bytes"},
        {[](AccountDB& db) { db.addType(repeated("名", 86)); }, "A type name is longer than 255 bytes"},
        {[](AccountDB& db) {
             Transaction record = db.transaction(0, false);
             record.setAmount(1201);
             db.modifyTransaction(record);
         },
         "An amount has more decimals than the book would keep"},
    };
    for (const auto& [change, message] : cases) {
        AccountDB db = BookBuilder().build();
        db.loadBytes(format1);
        db.convertToFormat2(2, asIs);
        change(db);
        const std::string before = fingerprint(db);
        EXPECT_EQ(messageOf([&] { db.convertToFormat1(refuse); }), message);
        EXPECT_EQ(fingerprint(db), before);
        EXPECT_EQ(db.format(), 2);
    }
    AccountDB format1Book = BookBuilder().build();
    EXPECT_EQ(messageOf([&] { format1Book.convertToFormat1(asIs); }), "A book keeps 0, 2 or 3 decimals");
}
