#pragma once

#include <QStringDecoder>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/big5pairtable.h"
#include "text/packedtexts.h"

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

    // Holds every comment of db, folding those it doesn't hold yet.
    void fill(const KestLib::AccountDB& db);
    // The same for the positions below end, so that a search can look at
    // each part while it is fresh in memory. A fill begun is to be ended
    // before the book changes: a row change drops a part-way fill.
    void fillTo(const KestLib::AccountDB& db, int end);
    bool filled() const { return isFilled; }
    // How many positions are held, a part-way fill's too.
    int size() const { return texts.size(); }
    // Nothing held any more (a reload, a language switch, the end of a find).
    void clear();

    // Row changes, told after the database made them; each keeps a filled
    // set exact and is ignored by an empty one.
    void appended(const KestLib::AccountDB& db);  // the last transaction is new
    void modified(const KestLib::AccountDB& db, int position);
    void removed(int position);

    // The folded comment of a database position; valid while filled, or
    // below the end a part-way fill reached.
    std::u16string_view at(int position) const { return texts.at(position); }
    // For the positions from first to last (excluded), held, whether their
    // folded comment holds text (folded, not empty): hits[p - first] 1 or 0.
    void markContaining(std::u16string_view text, int first, int last, std::uint8_t* hits) const;

private:
    // The next position's folded comment added, written in place when it
    // is plain.
    void appendFolded(std::string_view stored);
    // The shown, folded comment of a stored one, in the scratch buffer.
    std::u16string_view folded(std::string_view stored);
    // Writes at out, room for one character a byte, the folded text of
    // stored bytes that are ASCII and pairs that decode to one character
    // each, up to a zero byte, as the decoder shows them; the end written,
    // or nullptr when the bytes need the decoder.
    char16_t* foldPlain(std::string_view stored, char16_t* out);
    char16_t learnPair(unsigned lead, unsigned trail);
    // The same by the decoder, for any bytes.
    std::u16string_view foldedDecoding(std::string_view bytes);

    QStringDecoder decoder;
    PwText::Big5PairTable& pairs;
    // The folded character of each lead and trail pair met, by
    // lead * 256 + trail, and of each ASCII byte, by byte * 256; 0 until
    // met, notOneCharacter for a pair the decoder is needed for.
    std::vector<char16_t> foldedPairs;
    std::u16string scratch;
    bool isFilled = false;
    // The book's texts are UTF-8 (format 2), not Big5; taken when a fill starts.
    bool utf8 = false;
    const char16_t* foldedUnits;  // TextFolding's, for UTF-8
    PwText::PackedTexts texts;    // by database position
};
