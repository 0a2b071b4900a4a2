#include "core/textarena.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "core/bulkmemory.h"
#include "core/transaction.h"

namespace KestLib {

namespace {
// A small book takes a small piece; each further piece is as big as all
// before it, so a growing book has few of them.
constexpr std::size_t firstPiece = 4096;
constexpr std::size_t largestPiece = std::size_t{8} << 20;
}  // namespace

TextArena::TextArena(TextArena&& other) noexcept
    : pieces(std::move(other.pieces)), next(std::exchange(other.next, nullptr)), left(std::exchange(other.left, 0)) {
    other.pieces.clear();
}

TextArena& TextArena::operator=(TextArena&& other) noexcept {
    if (this != &other) {
        clear();
        pieces = std::move(other.pieces);
        other.pieces.clear();
        next = std::exchange(other.next, nullptr);
        left = std::exchange(other.left, 0);
    }
    return *this;
}

void TextArena::reserve(std::size_t bytes) {
    if (bytes <= left) return;
    const std::size_t size = bulkSize(bytes);
    pieces.reserve(pieces.size() + 1);
    char* memory = static_cast<char*>(allocateBulk(size));
    pieces.push_back({memory, size});
    next = memory;
    left = size;
}

char* TextArena::allocate(std::size_t bytes) {
    if (bytes > left) {
        std::size_t total = 0;
        for (const Piece& piece : pieces) total += piece.size;
        reserve(std::max(bytes, std::clamp(total, firstPiece, largestPiece)));
    }
    char* memory = next;
    next += bytes;
    left -= bytes;
    return memory;
}

void TextArena::setComment(Transaction& record, std::string_view comment) {
    if (record.place() == Transaction::wideFields || comment.size() <= Transaction::inlineComment ||
        comment.size() > std::numeric_limits<std::uint32_t>::max()) {
        record.setComment(comment);
        return;
    }
    char* bytes = allocate(comment.size());
    std::memcpy(bytes, comment.data(), comment.size());
    record.release();
    record.setCommentChecked(false);
    record.setOutOfLine(bytes, comment.size(), Transaction::arenaText);
}

void TextArena::keep(Transaction& record) {
    if (record.place() != Transaction::ownedText) return;
    // The same bytes in another place: what was found of them still holds.
    const bool checked = record.isCommentChecked();
    setComment(record, record.comment());
    record.setCommentChecked(checked);
}

void TextArena::clear() {
    for (const Piece& piece : pieces) freeBulk(piece.memory, piece.size);
    pieces.clear();
    pieces.shrink_to_fit();
    next = nullptr;
    left = 0;
}

}  // namespace KestLib
