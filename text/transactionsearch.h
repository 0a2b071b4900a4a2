#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "selection.h"

namespace PwText {

// What the find bar asks of a transaction: a selection of the core's, and a
// text that its shown comment or type name contains, whatever the case
// of either. Only a caller that holds the shown texts can check the text, so
// it compares folded texts (fold) it keeps for that.
class TransactionSearch {
public:
    KestLib::Selection selection;

    const QString& text() const { return text_; }
    void setText(const QString& text) {
        text_ = text;
        folded_ = fold(text).toStdU16String();
    }

    // True when the search takes every transaction.
    bool takesAll() const {
        return text_.isEmpty() && selection.takesAll();
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
        return a.text_ == b.text_ && a.selection == b.selection;
    }

private:
    QString text_;
    std::u16string folded_;
};

}  // namespace PwText
