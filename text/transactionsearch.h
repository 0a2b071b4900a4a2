#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "core/selection.h"
#include "text/textfolding.h"

namespace PwText {

// What the find bar asks of a transaction: a selection of the core's, and a
// text that its shown comment or type name contains, whatever the case
// of either. Only a caller that holds the shown texts can check the text, so
// it compares folded texts (fold) it keeps for that.
class TransactionSearch {
public:
    KestLib::Selection selection;
    // True while the text is being typed: a text may come with any key, so
    // whoever searches may get ready for it. Not part of what is asked.
    bool textMayFollow = false;

    const QString& text() const { return text_; }
    void setText(const QString& text) {
        text_ = text;
        folded_ = fold(text).toStdU16String();
    }

    // True when the search takes every transaction.
    bool takesAll() const { return text_.isEmpty() && selection.takesAll(); }
    bool hasText() const { return !folded_.empty(); }
    // The text as it is compared, folded.
    std::u16string_view foldedText() const { return folded_; }
    // Whether the text is in a shown text, given folded.
    bool textIn(std::u16string_view foldedText) const {
        return foldedText.find(std::u16string_view(folded_)) != std::u16string_view::npos;
    }
    // True when this search takes no transaction that wider doesn't: the
    // same selection, and a text that holds wider's (as typing on makes it),
    // so that only what wider took needs looking at again.
    bool narrows(const TransactionSearch& wider) const {
        return selection == wider.selection && folded_.find(wider.folded_) != std::u16string::npos;
    }

    // The form a text is compared in, as TextFolding makes it: "ABC", "abc"
    // and "Abc" are the same, and so are "Müller" and "muller"; Big5's own
    // characters have no case and stay.
    static QString fold(const QString& text) { return TextFolding::text(text); }

    friend bool operator==(const TransactionSearch& a, const TransactionSearch& b) {
        return a.text_ == b.text_ && a.selection == b.selection;
    }

private:
    QString text_;
    std::u16string folded_;
};

}  // namespace PwText
