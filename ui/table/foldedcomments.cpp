#include "ui/table/foldedcomments.h"

#include <QChar>
#include <algorithm>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/textfolding.h"

using KestLib::AccountDB;

namespace {

constexpr char16_t notOneCharacter = PwText::Big5PairTable::notOneCharacter;

// As TransactionSearch::fold folds it; Big5 has no characters outside the
// basic plane, so folding each unit is folding each character. An accent
// written apart, which the fold leaves out, is for the decoder's path.
char16_t foldedUnit(char16_t unit) {
    const char16_t folded = PwText::TextFolding::unit(unit);
    return folded == PwText::TextFolding::leftOut ? notOneCharacter : folded;
}

}  // namespace

FoldedComments::FoldedComments()
    : decoder("Big5", QStringConverter::Flag::Stateless),
      pairs(PwText::Big5PairTable::shared()),
      foldedPairs(0x10000, 0),
      foldedUnits(PwText::TextFolding::units()) {
    // An ASCII character is read as if it led a pair with a zero byte.
    for (char16_t ascii = 1; ascii < 0x80; ++ascii) foldedPairs[ascii << 8] = foldedUnit(ascii);
}

void FoldedComments::fill(const AccountDB& db) { fillTo(db, db.transCount()); }

void FoldedComments::fillTo(const AccountDB& db, int end) {
    if (isFilled) return;
    const int count = db.transCount();
    if (texts.empty()) utf8 = db.format() == 2;
    // Plain comments are folded one after another into rooms of this many
    // characters.
    constexpr std::size_t roomSize = 16384;
    if (texts.empty()) {
        // A folded comment has at most one character per stored byte, but
        // for the rare one the converter or a translation makes longer:
        // reserved once, with the last room, the texts grow only for those.
        std::size_t bytes = roomSize;
        for (int position = 0; position < count; ++position) bytes += db.transaction(position, false).comment().size();
        texts.reserve(static_cast<std::size_t>(count), bytes);
    }
    end = std::min(end, count);
    char16_t* out = nullptr;
    std::size_t left = 0;  // room at out
    for (int position = texts.size(); position < end; ++position) {
        const std::string_view stored = db.transaction(position, false).comment();
        if (!out || left < stored.size()) {
            left = std::max(roomSize, stored.size());
            out = texts.room(left);
        }
        if (char16_t* const written = foldPlain(stored, out)) {
            texts.endText(written);
            left -= static_cast<std::size_t>(written - out);
            out = written;
            continue;
        }
        texts.append(folded(stored));
        out = nullptr;  // the room is given back
    }
    isFilled = texts.size() == count;
}

void FoldedComments::clear() {
    isFilled = false;
    texts.clear();
}

void FoldedComments::appended(const AccountDB& db) {
    if (!isFilled || texts.size() + 1 != db.transCount()) {
        clear();  // part-way, or no longer in step: filled afresh when next needed
        return;
    }
    appendFolded(db.transaction(db.transCount() - 1, false).comment());
}

void FoldedComments::modified(const AccountDB& db, int position) {
    if (!isFilled || texts.size() != db.transCount() || position < 0 || position >= db.transCount()) {
        clear();
        return;
    }
    texts.replace(position, folded(db.transaction(position, false).comment()));
}

void FoldedComments::removed(int position) {
    if (!isFilled || position < 0 || position >= texts.size()) {
        clear();
        return;
    }
    texts.erase(position);
}

void FoldedComments::appendFolded(std::string_view stored) {
    char16_t* const out = texts.room(stored.size());
    if (char16_t* const written = foldPlain(stored, out)) {
        texts.endText(written);
        return;
    }
    texts.append(folded(stored));
}

void FoldedComments::markContaining(std::u16string_view text, int first, int last, std::uint8_t* hits) const {
    texts.markContaining(text, first, last, hits);
}

std::u16string_view FoldedComments::folded(std::string_view stored) {
    scratch.resize(stored.size());
    if (char16_t* const end = foldPlain(stored, scratch.data())) {
        scratch.resize(static_cast<std::size_t>(end - scratch.data()));
        return scratch;
    }
    // A byte that starts no whole character: the decoder says what shows.
    return foldedDecoding(PwText::storedText(stored));
}

char16_t* FoldedComments::foldPlain(std::string_view stored, char16_t* out) {
    // UTF-8 takes no more units than bytes, and every character folds by
    // the same table, so a format 2 comment is always plain.
    if (utf8) return PwText::writeUtf16(stored, out, [this](char16_t unit) { return foldedUnits[unit]; });
    // A character a step, read from the table whatever its kind, and no
    // branch on the kind: comments mix ASCII and Big5 pairs as they come,
    // and such a branch would be mispredicted at every other character.
    const auto* const data = reinterpret_cast<const unsigned char*>(stored.data());
    const std::size_t size = stored.size();
    unsigned unplain = 0;
    for (std::size_t at = 0; at < size;) {
        const unsigned lead = data[at];
        if (lead == 0) break;  // where the stored text ends
        const unsigned isPair = lead >> 7;
        const unsigned trail = data[std::min(at + 1, size - 1)] & (0u - isPair);
        unsigned unit = foldedPairs[lead << 8 | trail];
        if (unit == 0) unit = learnPair(lead, trail);
        *out++ = static_cast<char16_t>(unit);
        // A lead byte at the end, or before the zero that ends the text, is
        // no whole character.
        unplain |= isPair & static_cast<unsigned>((unit == notOneCharacter) | (at + 1 == size) | (trail == 0));
        at += 1 + isPair;
    }
    return unplain == 0 ? out : nullptr;
}

char16_t FoldedComments::learnPair(unsigned lead, unsigned trail) {
    const char16_t unit = pairs.character(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
    return foldedPairs[lead * 0x100u + trail] = unit == notOneCharacter ? notOneCharacter : foldedUnit(unit);
}

std::u16string_view FoldedComments::foldedDecoding(std::string_view bytes) {
    scratch.resize(static_cast<std::size_t>(decoder.requiredSpace(qsizetype(bytes.size()))));
    QChar* const out = reinterpret_cast<QChar*>(scratch.data());
    const QChar* const end = decoder.appendToBuffer(out, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    scratch.resize(static_cast<std::size_t>(end - out));
    const QString shown = QString::fromUtf16(scratch.data(), static_cast<qsizetype>(scratch.size()));
    scratch = PwText::TextFolding::text(shown).toStdU16String();
    return scratch;
}
