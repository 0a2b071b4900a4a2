#include "big5pairtable.h"

#include <QString>

namespace PwText {

Big5PairTable& Big5PairTable::shared() {
    thread_local Big5PairTable table;
    return table;
}

Big5PairTable::Big5PairTable()
    : decoder("Big5", QStringConverter::Flag::Stateless), characters(0x10000, unknown) {}

char16_t Big5PairTable::learn(unsigned char lead, unsigned char trail) {
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    decoder.resetState();
    const QString decoded = decoder.decode(QByteArrayView(pair, 2));
    const bool one = !decoder.hasError() && decoded.size() == 1 && !decoded.at(0).isSurrogate() &&
                     decoded.at(0) != QChar::ReplacementCharacter && decoded.at(0).unicode() != unknown &&
                     decoded.at(0).unicode() != notOneCharacter;
    return characters[lead * 0x100u + trail] = one ? decoded.at(0).unicode() : notOneCharacter;
}

bool Big5PairTable::appendPlain(std::string_view bytes, std::u16string& text) {
    const auto* const data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    for (std::size_t at = 0; at < size; ++at) {
        if (data[at] < 0x80) {
            text.push_back(static_cast<char16_t>(data[at]));
            continue;
        }
        if (at + 1 == size) return false;
        const char16_t unit = character(data[at], data[at + 1]);
        if (unit == notOneCharacter) return false;
        text.push_back(unit);
        ++at;
    }
    return true;
}

}  // namespace PwText
