#include "text/big5codec.h"

#include <QString>
#include <algorithm>

namespace PwText {

namespace {
constexpr const char* big5Name = "Big5";

QByteArrayView viewOf(std::string_view bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The length of big5's first block: about a megabyte, ending between two
// characters (a lead byte, 0x81 or above, takes the byte after it), so that
// a long text is converted block by block and its whole UTF-16 never exists.
std::size_t blockLength(std::string_view big5) {
    constexpr std::size_t blockBytes = std::size_t{1} << 20;
    if (big5.size() <= blockBytes) return big5.size();
    std::size_t end = 0;
    while (end < blockBytes) end += static_cast<unsigned char>(big5[end]) >= 0x81 ? 2 : 1;
    return std::min(end, big5.size());
}
}  // namespace

Big5Codec::Big5Codec() : encoder(freshEncoder()), decoder(freshDecoder()) {}

QStringEncoder Big5Codec::freshEncoder() { return QStringEncoder(big5Name, QStringConverter::Flag::Stateless); }
QStringDecoder Big5Codec::freshDecoder() { return QStringDecoder(big5Name, QStringConverter::Flag::Stateless); }

// A converter that has met an error keeps reporting it (resetState doesn't
// clear it for the ICU converters), so it is replaced; errors are rare, so
// the converters are still built once for a whole book.
QString Big5Codec::decode(std::string_view big5, bool& ok) {
    const QString text = decoder.decode(viewOf(big5));
    ok = !decoder.hasError();
    if (!ok) decoder = freshDecoder();
    return text;
}

QByteArray Big5Codec::encode(const QString& text, bool& ok) {
    const QByteArray bytes = encoder.encode(text);
    ok = !encoder.hasError();
    if (!ok) encoder = freshEncoder();
    return bytes;
}

bool holdsOnlyBig5Pairs(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        if (!isBig5Lead(*p) || p + 1 == end || !isBig5Trail(p[1])) return false;
        p += 2;
    }
    return true;
}

std::string_view storedText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

bool isAscii(std::string_view bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;   // no overlong forms
            if (lead == 0xED) high = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (end - p < length) return false;
        if (p[1] < low || p[1] > high) return false;
        for (int k = 2; k < length; ++k)
            if (p[k] < 0x80 || p[k] > 0xBF) return false;
        p += length;
    }
    return true;
}

bool Big5Codec::utf8ToBig5(std::string_view utf8, std::string& big5) {
    if (isAscii(utf8)) {
        big5.assign(utf8);
        return true;
    }
    if (!isValidUtf8(utf8)) return false;
    QByteArray bytes;
    if (!textToBig5(QString::fromUtf8(viewOf(utf8)), bytes)) return false;
    big5.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

bool Big5Codec::textToBig5(const QString& text, QByteArray& big5) {
    bool ok = false;
    big5 = encode(text, ok);
    if (!ok) return false;
    // Some characters reach Big5 only as a look-alike; those don't come back.
    const QString back = decode(std::string_view(big5.constData(), static_cast<std::size_t>(big5.size())), ok);
    return ok && back == text;
}

bool Big5Codec::big5ToUtf8(std::string_view big5, std::string& utf8) {
    if (isAscii(big5)) {
        utf8.assign(big5);
        return true;
    }
    utf8.clear();
    for (std::size_t length; !big5.empty(); big5.remove_prefix(length)) {
        length = blockLength(big5);
        const std::string_view block = big5.substr(0, length);
        if (isAscii(block)) {
            utf8.append(block);
            continue;
        }
        bool ok = false;
        const QString text = decode(block, ok);
        if (!ok) return false;
        const QByteArray bytes = text.toUtf8();
        utf8.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return true;
}

std::string Big5Codec::big5ToUtf8Lossy(std::string_view big5) {
    if (isAscii(big5)) return std::string(big5);
    bool ok = false;
    const QByteArray bytes = decode(big5, ok).toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool Big5Codec::isValidBig5(std::string_view big5) {
    for (std::size_t length; !big5.empty(); big5.remove_prefix(length)) {
        length = blockLength(big5);
        const std::string_view block = big5.substr(0, length);
        bool ok = true;
        if (!isAscii(block)) decode(block, ok);
        if (!ok) return false;
    }
    return true;
}

}  // namespace PwText
