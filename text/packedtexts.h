#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/bulkmemory.h"

namespace PwText {

// One short UTF-16 text per position (a transaction's place in its book),
// back to back in one buffer with where each ends: a million comments are
// two allocations, not a million, and reading them in position order walks
// memory straight through. Positions follow the book's: a text is added at
// the end, changed in place or erased, the later ones moving up one.
class PackedTexts {
public:
    int size() const { return static_cast<int>(ends.size()); }
    bool empty() const { return ends.empty(); }
    std::size_t characterCount() const { return ends.empty() ? 0 : ends.back(); }

    // The text of a position below size().
    std::u16string_view at(int position) const {
        const std::uint32_t begin = position == 0 ? 0 : ends[static_cast<std::size_t>(position) - 1];
        return std::u16string_view(chars.data() + begin, ends[static_cast<std::size_t>(position)] - begin);
    }

    void reserve(std::size_t texts, std::size_t characters);
    // Should memory run out, no text is half added.
    void append(std::u16string_view text);
    // Texts written in place, without a copy: room gives space for units
    // characters at the end, where texts are written one after another,
    // each ended by endText at the end of its characters. What is left of
    // the room is given back by the next room or append. Should either
    // throw, no text is half added.
    char16_t* room(std::size_t units);
    void endText(const char16_t* end);

    // For each text from first to last (excluded), whether it holds needle
    // (not empty): hits[p - first] is 1 or 0. One search through their
    // characters, rather than one a text.
    void markContaining(std::u16string_view needle, int first, int last, std::uint8_t* hits) const;
    void replace(int position, std::u16string_view text);
    void erase(int position);
    // No texts, and their memory given back.
    void clear();

private:
    std::basic_string<char16_t, std::char_traits<char16_t>, KestLib::BulkAllocator<char16_t>> chars;
    std::vector<std::uint32_t, KestLib::BulkAllocator<std::uint32_t>> ends;  // ends[p]: where text p ends
};

}  // namespace PwText
