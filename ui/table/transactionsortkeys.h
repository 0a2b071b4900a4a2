#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/big5pairtable.h"
#include "text/packedtexts.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// What the table's rows sort by: for a column, one key per book position
// that orders as the shown texts do. Index and Money are their numbers; In/Out
// and Type the rank of their text among the few the column shows; Date a
// number where every date fits its fields, else its text; Comment the shown
// text, compared by UTF-16 unit in either format of the book: a locale's
// collation of a million comments would take seconds at each sort, where
// comparing units takes a fraction of one, and the order stays the one a
// book of Big5 texts always had. The comments are decoded once and kept while positions keep their
// transactions, so re-applying a sort after an added row decodes one
// comment, not a million.
class TransactionSortKeys {
public:
    // Integer keys of the column, or none for a column that compares texts.
    std::optional<std::vector<int>> integerKeys(const KestLib::AccountDB& db, int column) const;
    // The shown comments, decoding those of positions not held yet.
    const PwText::PackedTexts& commentKeys(const KestLib::AccountDB& db);
    // The shown dates, for dates that don't all fit their fields.
    PwText::PackedTexts dateKeys(const KestLib::AccountDB& db) const;

    // Changes of the book, told after it made them; an added transaction's
    // comment is decoded by the next commentKeys.
    void modified(const KestLib::AccountDB& db, int position);
    void removed(int position);
    // The comments are decoded afresh when next needed (after a reload).
    void clear();

private:
    // The shown text of a stored comment of db, in text, with as few
    // converter calls as give the same text.
    void shownComment(const KestLib::AccountDB& db, std::string_view stored, std::u16string& text) const;

    PwText::Big5PairTable& pairs = PwText::Big5PairTable::shared();
    PwText::PackedTexts comments;
};
