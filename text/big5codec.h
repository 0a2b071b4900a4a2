#pragma once

#include <QStringDecoder>
#include <QStringEncoder>
#include <string>
#include <string_view>

namespace PwText {

// Converts many texts between UTF-8 and Big5 bytes, as an export or an import
// of a whole book does: the converters are built once, and plain ASCII, which
// both encodings write the same way, is copied without conversion.
class Big5Codec {
public:
    Big5Codec();

    // The Big5 bytes of utf8 in big5; false when the text isn't valid UTF-8
    // or Big5 can't hold every character of it exactly (a character that
    // reaches Big5 only as a look-alike counts as one it can't hold).
    bool utf8ToBig5(std::string_view utf8, std::string& big5);
    // The Big5 bytes of text in big5; false when Big5 can't hold every
    // character of it exactly. The one test of what stored text can hold.
    bool textToBig5(const QString& text, QByteArray& big5);
    // The UTF-8 of big5 in utf8; false when the bytes aren't valid Big5.
    bool big5ToUtf8(std::string_view big5, std::string& utf8);
    // The same, with every byte Big5 can't read replaced, for display.
    std::string big5ToUtf8Lossy(std::string_view big5);
    bool isValidBig5(std::string_view big5);

private:
    static QStringEncoder freshEncoder();
    static QStringDecoder freshDecoder();
    QString decode(std::string_view big5, bool& ok);
    QByteArray encode(const QString& text, bool& ok);

    QStringEncoder encoder;
    QStringDecoder decoder;
};

// Big5 as the standard writes it: every byte at or above 0x80 a lead byte
// (0x81-0xFE) with a trail byte (0x40-0x7E, 0xA1-0xFE). The converter
// also reads 0x80 and 0xFF alone, which no Big5 text holds.
inline bool isBig5Lead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool isBig5Trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFE); }
bool holdsOnlyBig5Pairs(std::string_view bytes);

// Stored text ends at its first zero byte, as the window shows it.
std::string_view storedText(std::string_view bytes);
bool isAscii(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);

}  // namespace PwText
