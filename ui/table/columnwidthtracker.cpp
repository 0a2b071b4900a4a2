#include "ui/table/columnwidthtracker.h"

#include <QGuiApplication>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "ui/book/transactioncolumns.h"
#include "ui/widgets/amounttext.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;
using Columns = TransactionColumns;

namespace {

constexpr std::uint8_t noType = 0xFF;
// A tab in a cell moves the text to the next stop of the view's text layout,
// 80 pixels apart; counting each as a whole stop keeps the bound.
constexpr float tabStop = 80;

// One table of advances per font for the whole thread, so that a character
// measures the same in every table, find bar and column however late it is met.
std::vector<float>& advancesOf(const QFont& font) {
    thread_local std::unordered_map<QString, std::vector<float>> tables;
    std::vector<float>& table = tables[font.key()];
    if (table.empty()) table.assign(0x10000, -1.0f);
    return table;
}

int decimalLength(int value) {
    int length = value < 0 ? 2 : 1;
    // Negative, so that the most negative int has no positive counterpart to overflow.
    for (int rest = value < 0 ? value : -value; rest <= -10; rest /= 10) ++length;
    return length;
}

// The date's shown text: each field padded to its width (4, 2, 2), two slashes.
int dateLength(const Transaction& record) {
    return std::max(4, decimalLength(record.year())) + std::max(2, decimalLength(record.month())) +
           std::max(2, decimalLength(record.day())) + 2;
}

}  // namespace

void ColumnWidthTracker::Tally::add(int value) {
    if (value < 0) return;
    if (static_cast<std::size_t>(value) >= counts.size()) counts.resize(static_cast<std::size_t>(value) + 1);
    ++counts[static_cast<std::size_t>(value)];
    largest_ = std::max(largest_, value);
}

void ColumnWidthTracker::Tally::remove(int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= counts.size() || counts[value] == 0) return;
    --counts[static_cast<std::size_t>(value)];
    while (largest_ >= 0 && counts[static_cast<std::size_t>(largest_)] == 0) --largest_;
}

void ColumnWidthTracker::Tally::clear() {
    counts.clear();
    largest_ = -1;
}

ColumnWidthTracker::ColumnWidthTracker() : font(QGuiApplication::font()), metrics(font), advances(&advancesOf(font)) {}

void ColumnWidthTracker::setFont(const QFont& newFont) {
    if (newFont == font) return;
    font = newFont;
    metrics = QFontMetricsF(font);
    advances = &advancesOf(font);
    invalidate();
}

void ColumnWidthTracker::invalidate() {
    counted = false;
    clearCounts();
}

void ColumnWidthTracker::clearCounts() {
    extents.clear();
    extents.shrink_to_fit();
    indexLengths.clear();
    dateLengths.clear();
    moneyLengths.clear();
    commentWidths.clear();
    typeUses.fill(0);
    incomes = 0;
    outgoings = 0;
}

void ColumnWidthTracker::appended(const AccountDB& db) {
    if (!counted) return;
    const int position = db.transCount() - 1;
    if (position < 0 || static_cast<int>(extents.size()) != position) return invalidate();
    extents.push_back(extentOf(db, db.transaction(position, false)));
    count(extents.back(), +1);
}

void ColumnWidthTracker::modified(const AccountDB& db, int position) {
    if (!counted) return;
    if (position < 0 || position >= db.transCount() || static_cast<int>(extents.size()) != db.transCount())
        return invalidate();
    Extent& extent = extents[static_cast<std::size_t>(position)];
    count(extent, -1);
    extent = extentOf(db, db.transaction(position, false));
    count(extent, +1);
}

void ColumnWidthTracker::removed(int position) {
    if (!counted) return;
    if (position < 0 || position >= static_cast<int>(extents.size())) return invalidate();
    count(extents[static_cast<std::size_t>(position)], -1);
    extents.erase(extents.begin() + position);
}

int ColumnWidthTracker::widestText(const AccountDB& db, int column) {
    // Changes the tracker wasn't told of show as a different count.
    if (!counted || static_cast<int>(extents.size()) != db.transCount()) countAll(db);
    if (extents.empty()) return 0;

    switch (column) {
    case Columns::IndexColumn:
        return static_cast<int>(std::ceil(indexLengths.largest() * widestAdvance(u"0123456789-")));
    case Columns::MoneyColumn: {
        // Either decimal mark, so that a change of language needs no new count.
        const int marks = db.decimals() > 0 ? 1 : 0;
        return static_cast<int>(
            std::ceil((moneyLengths.largest() - marks) * widestAdvance(u"0123456789-") + marks * widestAdvance(u".,")));
    }
    case Columns::DateColumn: {
        const int length = dateLengths.largest();
        return static_cast<int>(std::ceil(2 * advance(u'/') + (length - 2) * widestAdvance(u"0123456789 -")));
    }
    case Columns::InOutColumn: {
        int widest = 0;
        if (incomes > 0) widest = textWidth(Columns::inOutText(true));
        if (outgoings > 0) widest = std::max(widest, textWidth(Columns::inOutText(false)));
        return widest;
    }
    case Columns::TypeColumn: {
        int widest = 0;
        for (int id = 0; id < TypeIdTable::capacity; ++id)
            if (typeUses[static_cast<std::size_t>(id)] > 0)
                widest = std::max(widest, textWidth(Columns::typeText(db, id)));
        return widest;
    }
    case Columns::CommentColumn: return std::max(0, commentWidths.largest());
    default: return 0;
    }
}

ColumnWidthTracker::Extent ColumnWidthTracker::extentOf(const AccountDB& db, const Transaction& record) {
    const int width = commentWidth(db, record);
    const int id = record.type();
    return {static_cast<std::uint16_t>(std::min<int>(width, std::numeric_limits<std::uint16_t>::max())),
            static_cast<std::uint8_t>(decimalLength(record.index())),
            static_cast<std::uint8_t>(dateLength(record)),
            static_cast<std::uint8_t>(AmountText::length(record.amount(), db.decimals())),
            id >= 0 && id < TypeIdTable::capacity ? static_cast<std::uint8_t>(id) : noType,
            record.isIncome()};
}

void ColumnWidthTracker::count(const Extent& extent, int change) {
    auto tally = [change](Tally& tally, int value) { change > 0 ? tally.add(value) : tally.remove(value); };
    tally(indexLengths, extent.indexLength);
    tally(dateLengths, extent.dateLength);
    tally(moneyLengths, extent.moneyLength);
    tally(commentWidths, extent.commentWidth);
    if (extent.typeId != noType) typeUses[extent.typeId] += change;
    (extent.income ? incomes : outgoings) += change;
}

void ColumnWidthTracker::countAll(const AccountDB& db) {
    clearCounts();
    extents.reserve(static_cast<std::size_t>(db.transCount()));
    for (int position = 0; position < db.transCount(); ++position) {
        extents.push_back(extentOf(db, db.transaction(position, false)));
        count(extents.back(), +1);
    }
    counted = true;
}

int ColumnWidthTracker::commentWidth(const AccountDB& db, const Transaction& record) {
    const std::optional<int> width = db.format() == 2 ? utf8Width(record.comment()) : big5Width(record.comment());
    if (width) return *width;
    return textWidth(Columns::cellText(db, record, Columns::CommentColumn));
}

std::optional<int> ColumnWidthTracker::big5Width(std::string_view stored) {
    // The same sum textWidth takes of the decoded text: Big5 leaves ASCII as
    // it is and turns each lead and trail byte pair into one character.
    const std::string_view bytes = PwText::storedText(stored);
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    float sum = 0;
    for (std::size_t at = 0; at < size; ++at) {
        const auto byte = static_cast<unsigned char>(data[at]);
        if (byte < 0x80) {
            sum += advance(byte);
            continue;
        }
        if (at + 1 == size) return std::nullopt;
        const char16_t character = pairs.character(byte, static_cast<unsigned char>(data[++at]));
        if (character == PwText::Big5PairTable::notOneCharacter) return std::nullopt;
        sum += advance(character);
    }
    return static_cast<int>(std::ceil(sum));
}

std::optional<int> ColumnWidthTracker::utf8Width(std::string_view stored) {
    // The same sum textWidth takes of the decoded text, read straight from
    // the UTF-8; a character outside the basic plane is for textWidth.
    const auto* const data = reinterpret_cast<const unsigned char*>(stored.data());
    const std::size_t size = stored.size();
    float sum = 0;
    for (std::size_t at = 0; at < size;) {
        const unsigned lead = data[at];
        if (lead < 0x80) {
            sum += advance(static_cast<char16_t>(lead));
            ++at;
            continue;
        }
        if (lead < 0xC2 || lead >= 0xF0) return std::nullopt;
        const std::size_t length = lead >= 0xE0 ? 3 : 2;
        if (at + length > size) return std::nullopt;
        char32_t code = lead & (lead >= 0xE0 ? 0x0Fu : 0x1Fu);
        for (std::size_t next = 1; next < length; ++next) code = code << 6 | (data[at + next] & 0x3Fu);
        sum += advance(static_cast<char16_t>(code));
        at += length;
    }
    return static_cast<int>(std::ceil(sum));
}

float ColumnWidthTracker::advance(char16_t character) {
    float& known = (*advances)[character];
    if (known < 0) known = measure(character);
    return known;
}

float ColumnWidthTracker::measure(char16_t character) const {
    if (character == u'\t') return tabStop;
    const QChar shown(character);
    const auto width = static_cast<float>(metrics.horizontalAdvance(shown));
    // A character no loaded font holds (a control character, for which no
    // fallback font is looked for) shows as a box now, or in whichever
    // fallback font some later text loads; the font's widest glyph bounds both.
    return metrics.inFont(shown) ? width : std::max(width, static_cast<float>(metrics.maxWidth()));
}

float ColumnWidthTracker::widestAdvance(QStringView characters) {
    float widest = 0;
    for (QChar character : characters) widest = std::max(widest, advance(character.unicode()));
    return widest;
}

int ColumnWidthTracker::textWidth(QStringView text) {
    // The sum of the characters' own advances, rounded up: the text as drawn
    // without kerning or ligatures, which mostly narrow it. Summing cached
    // advances is what makes measuring a million comments affordable.
    float sum = 0;
    for (QChar character : text) {
        // A character outside the basic plane has no single code to cache by.
        if (character.isSurrogate()) return static_cast<int>(std::ceil(metrics.horizontalAdvance(text.toString())));
        sum += advance(character.unicode());
    }
    return static_cast<int>(std::ceil(sum));
}
