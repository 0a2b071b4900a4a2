#pragma once

#include <QStringDecoder>
#include <string>
#include <string_view>
#include <vector>

namespace PwText {

// What each Big5 lead and trail byte pair decodes to, learnt pair by pair.
// Big5 leaves ASCII as it is and turns a pair into one character, and a pair
// means the same wherever it stands, so a million stored comments, nearly
// all ASCII and whole Big5 characters, are read with one converter call per
// pair met rather than one per comment. Anything else (a lone lead byte at
// the end, a pair the converter reads otherwise) is for the converter.
class Big5PairTable {
public:
    // Marks a pair that doesn't decode to one plain character on its own;
    // no Big5 text decodes to it.
    static constexpr char16_t notOneCharacter = 0xFFFF;

    // The table of the calling thread, which every reader of stored text on
    // it shares.
    static Big5PairTable& shared();

    // The one character the pair decodes to, or notOneCharacter.
    char16_t character(unsigned char lead, unsigned char trail) {
        const char16_t known = characters[lead * 0x100u + trail];
        return known != unknown ? known : learn(lead, trail);
    }

    // Appends the decoding of bytes to text when each is ASCII or part of a
    // pair that decodes to one character, the same text the converter gives;
    // false otherwise, with text left part-way.
    bool appendPlain(std::string_view bytes, std::u16string& text);

private:
    // Not a character any pair decodes to either.
    static constexpr char16_t unknown = 0;

    Big5PairTable();
    char16_t learn(unsigned char lead, unsigned char trail);

    QStringDecoder decoder;
    std::vector<char16_t> characters;  // by lead * 256 + trail; unknown until met
};

}  // namespace PwText
