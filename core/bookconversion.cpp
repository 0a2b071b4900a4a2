#include <climits>

#include "core/accountdb.h"
#include "core/booklimits.h"
#include "core/utf8text.h"

// The one way a book moves from format 1 to format 2. Everything is worked
// out in a new book first, so that a text that can't be recoded or an amount
// that would overflow leaves the book exactly as it was.

namespace KestLib {
namespace {

std::string recoded(std::string_view text, const AccountDB::Recode& recode) {
    std::optional<std::string> utf8 = recode(text);
    if (!utf8) throw ErrorMsg(ErrorCode::notStorableText);
    return std::move(*utf8);
}

}  // namespace

void AccountDB::convertToFormat2(int decimals, const Recode& recode) {
    if (!isBookDecimals(decimals) || (format_ == 2 && decimals != decimals_)) throw ErrorMsg(ErrorCode::badDecimals);
    if (format_ == 2) return;
    std::int64_t scale = 1;
    for (int k = 0; k < decimals; ++k) scale *= 10;

    AccountDB converted;
    converted.name_ = recoded(name_, recode);
    for (int i = 0; i < types.size(); ++i) {
        TransType type = types.at(i);
        type.setName(recoded(type.name(), recode));
        converted.types.append(std::move(type));
    }
    converted.typeIds = typeIds;
    converted.transactions.reserve(transactions.size());
    for (int i = 0; i < transactions.size(); ++i) {
        const Transaction& source = transactions.at(i);
        const std::int64_t amount = std::int64_t{source.amount()} * scale;
        if (amount > INT_MAX || amount < INT_MIN) throw ErrorMsg(ErrorCode::amountTooLarge);
        Transaction record;
        record.setIndex(source.index());
        record.setDate(source.year(), source.month(), source.day());
        record.setType(source.type());
        record.setAmount(static_cast<int>(amount));
        record.setIncome(source.isIncome());
        Transaction& stored = converted.transactions.append(std::move(record));
        converted.comments.setComment(stored, recoded(source.comment(), recode));
        stored.setCommentChecked(isStorableComment(stored.comment()));
    }
    converted.lastIndex_ = lastIndex_;
    converted.format_ = 2;
    converted.decimals_ = decimals;
    converted.formatKept = formatKept;
    converted.modified = true;
    *this = std::move(converted);
}

}  // namespace KestLib
