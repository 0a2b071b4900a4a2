#include "text/big5pairtable.h"

#include <QString>

namespace PwText {

Big5PairTable& Big5PairTable::shared() {
    thread_local Big5PairTable table;
    return table;
}

Big5PairTable::Big5PairTable() : decoder("Big5", QStringConverter::Flag::Stateless), characters(0x10000, unknown) {}

char16_t Big5PairTable::learn(unsigned char lead, unsigned char trail) {
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    decoder.resetState();
    const QString decoded = decoder.decode(QByteArrayView(pair, 2));
    const bool one = !decoder.hasError() && decoded.size() == 1 && !decoded.at(0).isSurrogate() &&
                     decoded.at(0) != QChar::ReplacementCharacter && decoded.at(0).unicode() != unknown &&
                     decoded.at(0).unicode() != notOneCharacter;
    return characters[lead * 0x100u + trail] = one ? decoded.at(0).unicode() : notOneCharacter;
}

}  // namespace PwText
