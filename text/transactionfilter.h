#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include <QString>

#include "transaction.h"
#include "typeidtable.h"

namespace PwText {

// Which transactions an export or a listing takes: a date range, a set of
// types and income, outgoing or both, with the meaning the analyses give
// them (date codes inclusive, -1 for no bound; in/out -1 both, 0 income only,
// 1 outgoing only). The default takes every transaction.
struct TransactionFilter {
    std::int32_t firstDate = -1;
    std::int32_t lastDate = -1;
    int inOut = -1;
    bool allTypes = true;
    std::bitset<KestLib::TypeIdTable::capacity> types;  // read only when allTypes is false

    bool takes(const KestLib::Transaction& record) const {
        if (inOut == 0 && !record.isIncome()) return false;
        if (inOut != -1 && inOut != 0 && record.isIncome()) return false;
        if (!allTypes && (record.type() < 0 || record.type() >= KestLib::TypeIdTable::capacity ||
                          !types.test(static_cast<std::size_t>(record.type()))))
            return false;
        if (firstDate == -1 && lastDate == -1) return true;
        const std::int32_t code = record.dateCode();
        return (firstDate == -1 || code >= firstDate) && (lastDate == -1 || code <= lastDate);
    }
};

// What the find bar asks of a transaction: the fields of a TransactionFilter,
// and a text that its shown comment or type name contains, whatever the case
// of either. Only a caller that holds the shown texts can check the text, so
// it compares folded texts (fold) it keeps for that.
class TransactionSearch {
public:
    TransactionFilter fields;

    const QString& text() const { return text_; }
    void setText(const QString& text) {
        text_ = text;
        folded_ = fold(text).toStdU16String();
    }

    // True when the search takes every transaction.
    bool takesAll() const {
        return text_.isEmpty() && fields.firstDate == -1 && fields.lastDate == -1 && fields.inOut == -1 &&
               fields.allTypes;
    }
    bool hasText() const { return !folded_.empty(); }
    // Whether the text is in a shown text, given folded.
    bool textIn(std::u16string_view foldedText) const {
        return foldedText.find(std::u16string_view(folded_)) != std::u16string_view::npos;
    }

    // The form a text is compared in: case-folded, so "ABC", "abc" and
    // "Abc" are the same; Big5's own characters have no case and stay.
    static QString fold(const QString& text) { return text.toCaseFolded(); }

    friend bool operator==(const TransactionSearch& a, const TransactionSearch& b) {
        return a.text_ == b.text_ && a.fields.firstDate == b.fields.firstDate &&
               a.fields.lastDate == b.fields.lastDate && a.fields.inOut == b.fields.inOut &&
               a.fields.allTypes == b.fields.allTypes && (a.fields.allTypes || a.fields.types == b.fields.types);
    }

private:
    QString text_;
    std::u16string folded_;
};

}  // namespace PwText
