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
    // pair that decodes to one character, the same text the converter gives,
    // each character as map makes it; false otherwise, with text left
    // part-way. Inline, so that map costs no call per character.
    template <typename Map>
    bool appendPlain(std::string_view bytes, std::u16string& text, Map map) {
        const auto* const data = reinterpret_cast<const unsigned char*>(bytes.data());
        const std::size_t size = bytes.size();
        // At most one character per byte: written in place, then cut.
        const std::size_t start = text.size();
        text.resize(start + size);
        char16_t* out = text.data() + start;
        for (std::size_t at = 0; at < size; ++at) {
            if (data[at] < 0x80) {
                *out++ = map(static_cast<char16_t>(data[at]));
                continue;
            }
            if (at + 1 == size) return false;
            const char16_t unit = character(data[at], data[at + 1]);
            if (unit == notOneCharacter) return false;
            *out++ = map(unit);
            ++at;
        }
        text.resize(static_cast<std::size_t>(out - text.data()));
        return true;
    }
    bool appendPlain(std::string_view bytes, std::u16string& text) {
        return appendPlain(bytes, text, [](char16_t unit) { return unit; });
    }

private:
    // Not a character any pair decodes to either.
    static constexpr char16_t unknown = 0;

    Big5PairTable();
    char16_t learn(unsigned char lead, unsigned char trail);

    QStringDecoder decoder;
    std::vector<char16_t> characters;  // by lead * 256 + trail; unknown until met
};

}  // namespace PwText
