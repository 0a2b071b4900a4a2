#include "text/big5text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "text/big5codec.h"

namespace {

constexpr const char* big5Name = "Big5";

// One decoder for the whole run: building an ICU converter costs several
// times more than decoding a short comment, and the table decodes one per
// visible cell and one per row when it sorts by a text column. Stateless, so
// a damaged trailing byte of one text never leaks into the next.
QStringDecoder& sharedDecoder() {
    thread_local QStringDecoder decoder(big5Name, QStringConverter::Flag::Stateless);
    return decoder;
}

}  // namespace

std::string toBig5(const QString& text) {
    QStringEncoder encoder(big5Name);
    const QByteArray bytes = encoder.encode(text);
    return std::string(PwText::storedText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

bool fitsBig5(const QString& text, int maxBytes) {
    // A zero would end the text where the core stores it.
    if (text.contains(QChar(u'\0'))) return false;
    PwText::Big5Codec codec;
    QByteArray bytes;
    return codec.textToBig5(text, bytes) && bytes.size() <= maxBytes;
}

QString firstNonBig5Character(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!fitsBig5(character, 4)) return character;
        i += length;
    }
    return {};
}

QString fromBig5(std::string_view bytes) {
    const std::string_view text = PwText::storedText(bytes);
    const QByteArrayView stored(text.data(), static_cast<qsizetype>(text.size()));
    if (stored.isEmpty()) return QString();
    return sharedDecoder().decode(stored);
}

QString fromStored(std::string_view bytes, int format) {
    if (format != 2) return fromBig5(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
