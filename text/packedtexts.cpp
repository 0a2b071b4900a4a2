#include "text/packedtexts.h"

#include <algorithm>

namespace PwText {

void PackedTexts::reserve(std::size_t texts, std::size_t characters) {
    chars.reserve(characters);
    ends.reserve(texts);
}

void PackedTexts::append(std::u16string_view text) {
    // Room for the end first, so that the push_back after the characters
    // can't fail.
    if (ends.size() == ends.capacity()) ends.reserve(std::max<std::size_t>(16, ends.capacity() * 2));
    chars.resize(ends.empty() ? 0 : ends.back());  // a room not taken
    chars.append(text);
    ends.push_back(static_cast<std::uint32_t>(chars.size()));
}

char16_t* PackedTexts::room(std::size_t units) {
    const std::size_t end = characterCount();
    chars.resize(end + units);
    return chars.data() + end;
}

void PackedTexts::endText(const char16_t* end) { ends.push_back(static_cast<std::uint32_t>(end - chars.data())); }

void PackedTexts::markContaining(std::u16string_view needle, int first, int last, std::uint8_t* hits) const {
    if (first >= last) return;
    std::fill(hits, hits + (last - first), std::uint8_t{0});
    const std::uint32_t begin = first == 0 ? 0 : ends[static_cast<std::size_t>(first) - 1];
    const std::u16string_view all(chars.data() + begin, ends[static_cast<std::size_t>(last) - 1] - begin);
    std::size_t from = 0;
    int position = first;
    while (position < last) {
        const std::size_t found = all.find(needle, from);
        if (found == std::u16string_view::npos) return;
        // The text the match starts in; a match that runs on into the next
        // text is none.
        const std::size_t at = begin + found;
        while (ends[static_cast<std::size_t>(position)] <= at) ++position;
        const std::size_t textEnd = ends[static_cast<std::size_t>(position)];
        if (at + needle.size() <= textEnd) {
            hits[position - first] = 1;
            from = textEnd - begin;
            ++position;
        } else {
            from = found + 1;
        }
    }
}

void PackedTexts::replace(int position, std::u16string_view text) {
    const std::uint32_t begin = position == 0 ? 0 : ends[static_cast<std::size_t>(position) - 1];
    const std::uint32_t length = ends[static_cast<std::size_t>(position)] - begin;
    chars.replace(begin, length, text);
    const auto grown = static_cast<std::uint32_t>(text.size()) - length;  // wraps when shorter, as wanted
    for (std::size_t later = static_cast<std::size_t>(position); later < ends.size(); ++later) ends[later] += grown;
}

void PackedTexts::erase(int position) {
    const std::uint32_t begin = position == 0 ? 0 : ends[static_cast<std::size_t>(position) - 1];
    const std::uint32_t length = ends[static_cast<std::size_t>(position)] - begin;
    chars.erase(begin, length);
    ends.erase(ends.begin() + position);
    for (std::size_t later = static_cast<std::size_t>(position); later < ends.size(); ++later) ends[later] -= length;
}

void PackedTexts::clear() {
    chars.clear();
    chars.shrink_to_fit();
    ends.clear();
    ends.shrink_to_fit();
}

}  // namespace PwText
