#include <climits>

#include "core/accountdb.h"
#include "core/booklimits.h"
#include "core/databaseformat2.h"
#include "core/utf8text.h"

// The ways a book moves between format 1 and format 2, and between the
// decimals of format 2. A conversion is worked out in a new book first, so
// that a text that can't be recoded or an amount that would overflow or lose
// a digit leaves the book exactly as it was.

namespace KestLib {
namespace {

std::string recoded(std::string_view text, const AccountDB::Recode& recode) {
    std::optional<std::string> converted = recode(text);
    if (!converted) throw ErrorMsg(ErrorCode::notStorableText);
    return std::move(*converted);
}

// The same, for a format 2 book: refused here, not at the next save, when
// that format can't store it (a control, a name of over 100 characters).
std::string recodedForFormat2(std::string_view text, const AccountDB::Recode& recode, ErrorCode tooLong) {
    std::string utf8 = recoded(text, recode);
    if (tooLong == ErrorCode::commentTooLong)
        checkFormat2Text(utf8, format2CommentCharacters, ErrorCode::commentTooLongFormat2);
    else
        checkFormat2Text(
            utf8, format2NameCharacters,
            tooLong == ErrorCode::typeNameTooLong ? ErrorCode::typeNameTooLongFormat2 : ErrorCode::nameTooLongFormat2);
    return utf8;
}

// The same, for a format 1 book, whose length byte holds at most 255.
std::string recodedForFormat1(std::string_view text, const AccountDB::Recode& recode, ErrorCode tooLong) {
    std::string big5 = recoded(text, recode);
    if (big5.size() > format1TextBytes) throw ErrorMsg(tooLong);
    return big5;
}

std::int64_t powerOfTen(int exponent) {
    std::int64_t scale = 1;
    for (int k = 0; k < exponent; ++k) scale *= 10;
    return scale;
}

// amount at 10^from minor units a unit, at 10^to; refused when it would
// overflow an amount or lose a digit.
int rescaled(int amount, int from, int to) {
    if (to >= from) {
        const std::int64_t scaled = std::int64_t{amount} * powerOfTen(to - from);
        if (scaled > INT_MAX || scaled < INT_MIN) throw ErrorMsg(ErrorCode::amountTooLarge);
        return static_cast<int>(scaled);
    }
    const std::int64_t divisor = powerOfTen(from - to);
    if (amount % divisor != 0) throw ErrorMsg(ErrorCode::amountLosesDigits);
    return static_cast<int>(amount / divisor);
}

}  // namespace

// Builds a book of the other format beside this one; fromText recodes a
// text of the given kind, and every amount goes from this book's decimals
// to decimals.
template <typename RecodeText>
AccountDB AccountDB::recodedBook(int format, int decimals, RecodeText fromText) const {
    AccountDB converted;
    converted.name_ = fromText(name_, ErrorCode::nameTooLong);
    for (int i = 0; i < types.size(); ++i) {
        TransType type = types.at(i);
        type.setName(fromText(type.name(), ErrorCode::typeNameTooLong));
        converted.types.append(std::move(type));
    }
    converted.typeIds = typeIds;
    converted.transactions.reserve(transactions.size());
    for (int i = 0; i < transactions.size(); ++i) {
        const Transaction& source = transactions.at(i);
        Transaction record;
        record.setIndex(source.index());
        record.setDate(source.year(), source.month(), source.day());
        record.setType(source.type());
        record.setAmount(rescaled(source.amount(), decimals_, decimals));
        record.setIncome(source.isIncome());
        Transaction& stored = converted.transactions.append(std::move(record));
        converted.comments.setComment(stored, fromText(source.comment(), ErrorCode::commentTooLong));
        stored.setCommentChecked(isStorableComment(stored.comment()));
    }
    converted.lastIndex_ = lastIndex_;
    converted.format_ = format;
    converted.decimals_ = decimals;
    converted.formatKept = formatKept;
    converted.modified = true;
    return converted;
}

void AccountDB::convertToFormat2(int decimals, const Recode& recode) {
    if (!isBookDecimals(decimals) || (format_ == 2 && decimals != decimals_)) throw ErrorMsg(ErrorCode::badDecimals);
    if (format_ == 2) return;
    *this = recodedBook(2, decimals, [&](std::string_view text, ErrorCode tooLong) {
        return recodedForFormat2(text, recode, tooLong);
    });
}

void AccountDB::convertToFormat1(const Recode& recode) {
    if (format_ != 2) throw ErrorMsg(ErrorCode::badDecimals);
    *this = recodedBook(
        1, 0, [&](std::string_view text, ErrorCode tooLong) { return recodedForFormat1(text, recode, tooLong); });
}

void AccountDB::changeDecimals(int decimals) {
    if (format_ != 2 || !isBookDecimals(decimals)) throw ErrorMsg(ErrorCode::badDecimals);
    if (decimals == decimals_) return;
    // Every amount is checked before the first changes.
    for (int i = 0; i < transactions.size(); ++i) (void)rescaled(transactions.at(i).amount(), decimals_, decimals);
    for (int i = 0; i < transactions.size(); ++i) {
        Transaction& record = transactions.at(i);
        record.setAmount(rescaled(record.amount(), decimals_, decimals));
    }
    decimals_ = decimals;
    modified = true;
}

}  // namespace KestLib
