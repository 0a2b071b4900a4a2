#include "text/statementcomment.h"

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/bookadditions.h"

namespace PwText {

std::size_t statementCommentRoom(const KestLib::AccountDB&) { return maxStoredTextBytes; }

bool replaceUnstorable(std::string& utf8, Big5Codec& codec) {
    std::string out;
    out.reserve(utf8.size());
    std::string big5;
    bool replaced = false;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const std::string_view character = std::string_view(utf8).substr(at, length);
        if (lead == 0 || !codec.utf8ToBig5(character, big5)) {
            out += '?';
            replaced = true;
        } else {
            out += character;
        }
        at += length;
    }
    utf8 = std::move(out);
    return replaced;
}

bool cutToRoom(std::string& big5, std::string& utf8, std::size_t room, Big5Codec& codec) {
    if (big5.size() <= room) return false;
    std::size_t end = 0;
    while (end < big5.size()) {
        const std::size_t length = isBig5Lead(static_cast<unsigned char>(big5[end])) ? 2 : 1;
        if (end + length > room) break;
        end += length;
    }
    big5.resize(end);
    codec.big5ToUtf8(big5, utf8);
    return true;
}

bool cutUtf8ToCharacters(std::string& utf8, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t counted = 0; at < utf8.size() && counted < characters; ++counted) {
        ++at;
        // Continuation bytes belong to the character before them.
        while (at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80) ++at;
    }
    if (at >= utf8.size()) return false;
    utf8.resize(at);
    return true;
}

}  // namespace PwText
