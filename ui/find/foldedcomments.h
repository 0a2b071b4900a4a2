#pragma once

#include <QStringDecoder>
#include <string>
#include <string_view>

#include "big5pairtable.h"
#include "packedtexts.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// Every transaction's comment as the table shows it, case-folded for the
// find bar's text and kept by database position as rows come, change and
// go, so that each change of the text searches a million comments without
// decoding one. Filled when a text is first searched for, then kept.
class FoldedComments {
public:
    FoldedComments();

    // Whether an installed translation may show a stored comment as another
    // text (true at first); when none can, decoding skips the lookup.
    void setTranslatesStoredText(bool translates);

    // Holds every comment of db, decoding them unless it already does.
    void fill(const KestLib::AccountDB& db);
    bool filled() const { return isFilled; }
    // Nothing held any more (a reload, a language switch, the end of a find).
    void clear();

    // Row changes, told after the database made them; each keeps a filled
    // set exact and is ignored by an empty one.
    void appended(const KestLib::AccountDB& db);  // the last transaction is new
    void modified(const KestLib::AccountDB& db, int position);
    void removed(int position);

    // The folded comment of a database position; valid while filled.
    std::u16string_view at(int position) const { return texts.at(position); }

private:
    // The shown, folded comment of a stored one, in the scratch buffer.
    std::u16string_view folded(std::string_view stored);
    // The same through the translations, for when they may rename a comment.
    std::u16string_view foldedTranslation(std::string_view stored);
    // The same by the decoder, for any bytes.
    std::u16string_view foldedDecoding(std::string_view bytes);

    QStringDecoder decoder;
    PwText::Big5PairTable& pairs;
    std::u16string scratch;
    bool translatesStoredText = true;
    bool isFilled = false;
    PwText::PackedTexts texts;  // by database position
};
