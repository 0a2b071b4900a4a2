#include "find/foldedcomments.h"

#include <QChar>

#include "accountdb.h"
#include "big5text.h"
#include "transactionsearch.h"

using KestLib::AccountDB;

namespace {

// The table's context, in which a translation may rename a stored comment.
constexpr const char* context = "MainWindow";

// Stored text ends at its first zero byte, as the table shows it.
std::string_view untilZero(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

// A pair of bytes that doesn't decode to one character.
constexpr char16_t notOneCharacter = 0xFFFF;

}  // namespace

FoldedComments::FoldedComments() : decoder("Big5", QStringConverter::Flag::Stateless) {}

void FoldedComments::setTranslatesStoredText(bool translates) {
    if (translates == translatesStoredText) return;
    translatesStoredText = translates;
    clear();
}

void FoldedComments::fill(const AccountDB& db) {
    if (isFilled) return;
    clear();
    const int count = db.transCount();
    ends.reserve(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position) {
        chars.append(folded(db.transaction(position, false).comment()));
        ends.push_back(static_cast<std::uint32_t>(chars.size()));
    }
    isFilled = true;
}

void FoldedComments::clear() {
    isFilled = false;
    chars.clear();
    chars.shrink_to_fit();
    ends.clear();
    ends.shrink_to_fit();
}

void FoldedComments::appended(const AccountDB& db) {
    if (!isFilled) return;
    if (static_cast<int>(ends.size()) + 1 != db.transCount()) {
        clear();  // no longer in step: filled afresh when next needed
        return;
    }
    chars.append(folded(db.transaction(db.transCount() - 1, false).comment()));
    ends.push_back(static_cast<std::uint32_t>(chars.size()));
}

void FoldedComments::modified(const AccountDB& db, int position) {
    if (!isFilled) return;
    if (static_cast<int>(ends.size()) != db.transCount() || position < 0 || position >= db.transCount()) {
        clear();
        return;
    }
    const std::u16string_view text = folded(db.transaction(position, false).comment());
    const std::uint32_t begin = position == 0 ? 0 : ends[position - 1];
    const std::uint32_t length = ends[position] - begin;
    chars.replace(begin, length, text);
    const auto grown = static_cast<std::uint32_t>(text.size()) - length;  // wraps when shorter, as wanted
    for (std::size_t later = static_cast<std::size_t>(position); later < ends.size(); ++later) ends[later] += grown;
}

void FoldedComments::removed(int position) {
    if (!isFilled) return;
    if (position < 0 || static_cast<std::size_t>(position) >= ends.size()) {
        clear();
        return;
    }
    const std::uint32_t begin = position == 0 ? 0 : ends[position - 1];
    const std::uint32_t length = ends[position] - begin;
    chars.erase(begin, length);
    ends.erase(ends.begin() + position);
    for (std::size_t later = static_cast<std::size_t>(position); later < ends.size(); ++later) ends[later] -= length;
}

std::u16string_view FoldedComments::at(int position) const {
    const std::uint32_t begin = position == 0 ? 0 : ends[position - 1];
    return std::u16string_view(chars.data() + begin, ends[position] - begin);
}

std::u16string_view FoldedComments::folded(std::string_view stored) {
    if (translatesStoredText) return foldedTranslation(stored);
    const std::string_view bytes = untilZero(stored);
    scratch.clear();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            scratch.push_back(byte >= 'A' && byte <= 'Z' ? char16_t(byte + ('a' - 'A')) : char16_t(byte));
            continue;
        }
        const char16_t unit =
            i + 1 < bytes.size() ? pairUnit(byte, static_cast<unsigned char>(bytes[i + 1])) : notOneCharacter;
        // A byte that starts no whole character: the decoder says what shows.
        if (unit == notOneCharacter) return foldedDecoding(bytes);
        scratch.push_back(unit);
        ++i;
    }
    return scratch;
}

char16_t FoldedComments::pairUnit(unsigned char lead, unsigned char trail) {
    if (pairUnits.empty()) pairUnits.assign(256 * 256, 0);
    char16_t& unit = pairUnits[lead * 256u + trail];
    if (unit == 0) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        const QString decoded = decoder.decode(QByteArrayView(pair, 2));
        const bool one = decoded.size() == 1 && decoded.at(0) != QChar::ReplacementCharacter &&
                         !decoded.at(0).isSurrogate() && decoded.at(0).unicode() != 0;
        unit = one ? char16_t(QChar::toCaseFolded(char32_t(decoded.at(0).unicode()))) : notOneCharacter;
    }
    return unit;
}

std::u16string_view FoldedComments::foldedDecoding(std::string_view bytes) {
    scratch.resize(static_cast<std::size_t>(decoder.requiredSpace(qsizetype(bytes.size()))));
    QChar* const out = reinterpret_cast<QChar*>(scratch.data());
    const QChar* const end = decoder.appendToBuffer(out, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    scratch.resize(static_cast<std::size_t>(end - out));
    // As TransactionSearch::fold does it; Big5 has no characters outside
    // the basic plane, so folding each unit is folding each character.
    for (char16_t& unit : scratch)
        if (!QChar::isSurrogate(unit)) unit = static_cast<char16_t>(QChar::toCaseFolded(char32_t(unit)));
    return scratch;
}

std::u16string_view FoldedComments::foldedTranslation(std::string_view stored) {
    scratch = PwText::TransactionSearch::fold(fromBig5(context, stored)).toStdU16String();
    return scratch;
}
