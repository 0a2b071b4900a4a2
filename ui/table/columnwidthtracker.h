#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/typeidtable.h"
#include "text/big5pairtable.h"

class QStringView;

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The widest shown text of each column of the transaction table over every
// row, kept up to date as rows come, change and go, so that every cell of a
// large book shows whole without measuring a million cells after each
// change. Numbers and dates count by the length of their text, In/Out and
// Type by the few texts they can show; only a comment is measured, once,
// and its width kept per row.
class ColumnWidthTracker {
public:
    ColumnWidthTracker();

    // The font the cells are drawn in; every comment is measured again.
    void setFont(const QFont& font);
    // Every row is counted afresh when a width is next asked for (after a
    // reload or a language switch).
    void invalidate();

    // Row changes, told after the database made them. Each keeps the counts
    // exact in constant time, but for a comment, which is measured.
    void appended(const KestLib::AccountDB& db);  // the last transaction is new
    void modified(const KestLib::AccountDB& db, int position);
    void removed(int position);

    // The width in pixels of the widest text column shows for db's
    // transactions; 0 when there are none. Never less than the text needs.
    int widestText(const KestLib::AccountDB& db, int column);

private:
    // What a row adds to the counts; kept per database position, so that a
    // changed or removed row can take back what it added.
    struct Extent {
        std::uint16_t commentWidth;
        std::uint8_t indexLength;
        std::uint8_t dateLength;
        std::uint8_t moneyLength;
        std::uint8_t typeId;
        bool income;
    };

    // How many rows have each value; the largest value present is at hand.
    class Tally {
    public:
        void add(int value);
        void remove(int value);
        void clear();
        int largest() const { return largest_; }

    private:
        std::vector<std::uint32_t> counts;
        int largest_ = -1;
    };

    Extent extentOf(const KestLib::AccountDB& db, const KestLib::Transaction& record);
    int commentWidth(const KestLib::AccountDB& db, const KestLib::Transaction& record);
    // The width of stored Big5 text as it shows, summed from its bytes without
    // decoding them, several times quicker; none when the bytes aren't plain
    // ASCII and whole Big5 characters.
    std::optional<int> big5Width(std::string_view bytes);
    // The same of a format 2 book's UTF-8; none for a character outside the
    // basic plane, which has no single code to cache its advance by.
    std::optional<int> utf8Width(std::string_view bytes);
    void count(const Extent& extent, int change);
    void countAll(const KestLib::AccountDB& db);
    void clearCounts();
    float advance(char16_t character);
    float measure(char16_t character) const;
    float widestAdvance(QStringView characters);
    int textWidth(QStringView text);

    PwText::Big5PairTable& pairs = PwText::Big5PairTable::shared();
    QFont font;
    QFontMetricsF metrics;
    // Advances of the characters met so far in this font, by UTF-16 code,
    // shared by every tracker of the thread; negative: not measured yet.
    std::vector<float>* advances = nullptr;

    bool counted = false;
    std::vector<Extent> extents;  // by database position
    Tally indexLengths;
    Tally dateLengths;
    Tally moneyLengths;
    Tally commentWidths;
    std::array<int, KestLib::TypeIdTable::capacity> typeUses{};
    int incomes = 0;
    int outgoings = 0;
};
