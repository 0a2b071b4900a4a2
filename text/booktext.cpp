#include "text/booktext.h"

#include "core/accountdb.h"
#include "core/booklimits.h"
#include "core/utf8text.h"

namespace PwText {

BookTextCodec::BookTextCodec(const KestLib::AccountDB& db) : BookTextCodec(db.format()) {}

std::string BookTextCodec::toUtf8(std::string_view stored) {
    if (utf8) return std::string(stored);
    return big5.big5ToUtf8Lossy(storedText(stored));
}

QString BookTextCodec::toText(std::string_view stored) {
    if (utf8) return QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size()));
    const std::string text = big5.big5ToUtf8Lossy(storedText(stored));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool BookTextCodec::fromUtf8(std::string_view utf8Text, std::string& stored) {
    if (!utf8) return big5.utf8ToBig5(utf8Text, stored);
    if (!KestLib::storableCharacters(utf8Text)) return false;
    stored.assign(utf8Text);
    return true;
}

bool BookTextCodec::fromText(const QString& text, std::string& stored) {
    const QByteArray bytes = text.toUtf8();
    return fromUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), stored);
}

StoredTextFault BookTextCodec::fault(std::string_view stored, StoredTextKind kind) const {
    if (!utf8) return storedTextFault(stored);
    const auto characters = KestLib::storableCharacters(stored);
    if (!characters) return StoredTextFault::ZeroByte;
    return *characters > limit(kind) ? StoredTextFault::TooLong : StoredTextFault::None;
}

std::size_t BookTextCodec::limit(StoredTextKind kind) const {
    if (!utf8) return KestLib::format1TextBytes;
    return kind == StoredTextKind::Comment ? KestLib::format2CommentCharacters : KestLib::format2NameCharacters;
}

std::size_t BookTextCodec::size(std::string_view stored) const {
    if (!utf8) return stored.size();
    return KestLib::storableCharacters(stored).value_or(stored.size());
}

void convertToFormat2(KestLib::AccountDB& db, int decimals) {
    Big5Codec codec;
    db.convertToFormat2(decimals, [&](std::string_view big5) -> std::optional<std::string> {
        std::string utf8;
        if (!codec.big5ToUtf8(big5, utf8)) return std::nullopt;
        return utf8;
    });
}

void convertToFormat1(KestLib::AccountDB& db) {
    Big5Codec codec;
    db.convertToFormat1([&](std::string_view utf8) -> std::optional<std::string> {
        std::string big5;
        if (!codec.utf8ToBig5(utf8, big5)) return std::nullopt;
        return big5;
    });
}

bool convertsBackExactly(const KestLib::AccountDB& db) {
    Big5Codec codec;
    std::string utf8;
    std::string back;
    const auto same = [&](std::string_view big5) {
        return isAscii(big5) || (codec.big5ToUtf8(big5, utf8) && codec.utf8ToBig5(utf8, back) && back == big5);
    };
    if (!same(db.name())) return false;
    for (int position = 0; position < db.typeCount(); ++position)
        if (!same(db.typeAt(position).name())) return false;
    for (int position = 0; position < db.transCount(); ++position)
        if (!same(db.transaction(position, false).comment())) return false;
    return true;
}

}  // namespace PwText
