#include "packedtexts.h"

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
    chars.append(text);
    ends.push_back(static_cast<std::uint32_t>(chars.size()));
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
