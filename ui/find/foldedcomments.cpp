#include "find/foldedcomments.h"

#include <QChar>

#include "accountdb.h"
#include "big5codec.h"
#include "big5text.h"
#include "table/transactioncolumns.h"
#include "transactionsearch.h"

using KestLib::AccountDB;

namespace {

// As TransactionSearch::fold folds it; Big5 has no characters outside the
// basic plane, so folding each unit is folding each character.
char16_t foldedUnit(char16_t unit) {
    if (unit < 0x80) return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
    // CJK punctuation, kana, bopomofo and the ideographs, most of what a
    // Big5 comment holds, have no case: no need to look each one up.
    if (unit >= 0x3000 && unit < 0xA000) return unit;
    return QChar::isSurrogate(unit) ? unit : static_cast<char16_t>(QChar::toCaseFolded(char32_t(unit)));
}

}  // namespace

FoldedComments::FoldedComments()
    : decoder("Big5", QStringConverter::Flag::Stateless), pairs(PwText::Big5PairTable::shared()) {}

void FoldedComments::setTranslatesStoredText(bool translates) {
    if (translates == translatesStoredText) return;
    translatesStoredText = translates;
    clear();
}

void FoldedComments::fill(const AccountDB& db) {
    if (isFilled) return;
    clear();
    const int count = db.transCount();
    // A folded comment has at most one character per stored byte, but for
    // the rare one the converter or a translation makes longer: reserved
    // once, the texts grow only for those.
    std::size_t bytes = 0;
    for (int position = 0; position < count; ++position) bytes += db.transaction(position, false).comment().size();
    texts.reserve(static_cast<std::size_t>(count), bytes);
    for (int position = 0; position < count; ++position)
        texts.append(folded(db.transaction(position, false).comment()));
    isFilled = true;
}

void FoldedComments::clear() {
    isFilled = false;
    texts.clear();
}

void FoldedComments::appended(const AccountDB& db) {
    if (!isFilled) return;
    if (texts.size() + 1 != db.transCount()) {
        clear();  // no longer in step: filled afresh when next needed
        return;
    }
    texts.append(folded(db.transaction(db.transCount() - 1, false).comment()));
}

void FoldedComments::modified(const AccountDB& db, int position) {
    if (!isFilled) return;
    if (texts.size() != db.transCount() || position < 0 || position >= db.transCount()) {
        clear();
        return;
    }
    texts.replace(position, folded(db.transaction(position, false).comment()));
}

void FoldedComments::removed(int position) {
    if (!isFilled) return;
    if (position < 0 || position >= texts.size()) {
        clear();
        return;
    }
    texts.erase(position);
}

std::u16string_view FoldedComments::folded(std::string_view stored) {
    if (translatesStoredText) return foldedTranslation(stored);
    const std::string_view bytes = PwText::storedText(stored);
    scratch.clear();
    // A byte that starts no whole character: the decoder says what shows.
    if (!pairs.appendPlain(bytes, scratch, foldedUnit)) return foldedDecoding(bytes);
    return scratch;
}

std::u16string_view FoldedComments::foldedDecoding(std::string_view bytes) {
    scratch.resize(static_cast<std::size_t>(decoder.requiredSpace(qsizetype(bytes.size()))));
    QChar* const out = reinterpret_cast<QChar*>(scratch.data());
    const QChar* const end = decoder.appendToBuffer(out, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    scratch.resize(static_cast<std::size_t>(end - out));
    for (char16_t& unit : scratch) unit = foldedUnit(unit);
    return scratch;
}

std::u16string_view FoldedComments::foldedTranslation(std::string_view stored) {
    scratch = PwText::TransactionSearch::fold(fromBig5(TransactionColumns::context, stored)).toStdU16String();
    return scratch;
}
