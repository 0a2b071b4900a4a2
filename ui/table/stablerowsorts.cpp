#include "ui/table/stablerowsorts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>
#include <utility>

#include "core/bulkmemory.h"
#include "text/packedtexts.h"

namespace {

// A row to sort: the key it sorts by, as a number that orders as the key
// does, and where the row stood, which orders rows of equal keys, so that
// an unstable sort of these gives what a stable sort of the rows would.
struct SortItem {
    std::uint64_t key;
    std::uint32_t order;
    int position;
};

bool itemBefore(const SortItem& a, const SortItem& b) { return a.key != b.key ? a.key < b.key : a.order < b.order; }

// Digits of keys are taken from 8 to 12 bits wide: the narrowest width that
// needs no more passes than the widest, so that keys varying in 16 bits
// take two passes of 256 buckets, and keys varying in 23 (amounts in cents)
// two of 4096 rather than three of 256.
constexpr int narrowestDigit = 8;
constexpr int widestDigit = 12;

// The shifts of the digits of width bits that cover every varying bit, each
// starting at the lowest varying bit the digits before it left; their count.
int digitShifts(std::uint64_t varying, int width, std::array<int, 64>& shifts) {
    int digits = 0;
    while (varying != 0) {
        const int shift = std::countr_zero(varying);
        shifts[static_cast<std::size_t>(digits++)] = shift;
        varying = shift + width >= 64 ? 0 : varying >> (shift + width) << (shift + width);
    }
    return digits;
}

// A stable sort of count items by the number keyOf gives, of which only the
// bits of varying differ: least significant digit first, each pass stable;
// bits every key has alike are skipped, so a column of few values takes one
// pass or two. buffer is scratch space for count items.
template <typename Item, typename KeyOf>
void radixSort(Item* first, std::size_t count, Item* buffer, std::uint64_t varying, KeyOf keyOf) {
    std::array<int, 64> shifts{};
    const int passes = digitShifts(varying, widestDigit, shifts);
    int width = narrowestDigit;
    while (digitShifts(varying, width, shifts) > passes) ++width;
    const std::size_t buckets = std::size_t{1} << width;
    const std::uint64_t mask = buckets - 1;
    Item* from = first;
    Item* to = buffer;
    std::array<std::size_t, std::size_t{1} << widestDigit> starts;
    for (int pass = 0; pass < passes; ++pass) {
        const int shift = shifts[static_cast<std::size_t>(pass)];
        std::fill_n(starts.begin(), buckets, 0);
        for (const Item* item = from; item != from + count; ++item) ++starts[(keyOf(*item) >> shift) & mask];
        std::size_t start = 0;
        for (std::size_t bucket = 0; bucket < buckets; ++bucket) start += std::exchange(starts[bucket], start);
        for (const Item* item = from; item != from + count; ++item)
            to[starts[(keyOf(*item) >> shift) & mask]++] = *item;
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + count, first);
}

// Sorts items by key, ties by order. Items in order of their order, as they
// are at first, need not compare it: a radix sort of the keys keeps them so.
// buffer is scratch space of at least as many items.
void sortItems(SortItem* first, SortItem* last, SortItem* buffer) {
    const auto count = static_cast<std::size_t>(last - first);
    // Often in order already: the column the table was sorted by before.
    if (std::is_sorted(first, last, itemBefore)) return;
    if (count < 256) {
        std::sort(first, last, itemBefore);
        return;
    }
    std::uint64_t all = ~std::uint64_t{0}, any = 0;
    for (const SortItem* item = first; item != last; ++item) {
        all &= item->key;
        any |= item->key;
    }
    radixSort(first, count, buffer, all ^ any, [](const SortItem& item) { return item.key; });
}

using SortItems = std::vector<SortItem, KestLib::BulkAllocator<SortItem>>;

// Characters of a text are compared three at a time: each as its code + 1,
// 17 bits, and 0 past the end of the text, so that the numbers compare as the
// texts do, a text before any longer one it begins.
constexpr std::size_t charactersPerChunk = 3;

std::uint64_t chunkOf(std::u16string_view text, std::size_t chunk) {
    std::uint64_t packed = 0;
    for (std::size_t i = chunk * charactersPerChunk; i < (chunk + 1) * charactersPerChunk; ++i)
        packed = packed << 17 | (i < text.size() ? text[i] + 1u : 0u);
    return packed;
}

}  // namespace

void sortRowsByIntegers(std::vector<int>& rows, const std::vector<int>& keys, bool ascending) {
    const auto keyOf = [&keys](int position) { return keys[static_cast<std::size_t>(position)]; };
    if (ascending ? std::is_sorted(rows.begin(), rows.end(), [&](int a, int b) { return keyOf(a) < keyOf(b); })
                  : std::is_sorted(rows.begin(), rows.end(), [&](int a, int b) { return keyOf(b) < keyOf(a); }))
        return;
    // Each row as one number, its key above its position: a radix sort of
    // the key's bytes alone keeps rows of equal keys in their order.
    std::vector<std::uint64_t, KestLib::BulkAllocator<std::uint64_t>> items(rows.size());
    std::uint32_t all = ~0u, any = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // Offset so that the unsigned order is the signed one.
        std::uint32_t key = static_cast<std::uint32_t>(keyOf(rows[row])) ^ 0x8000'0000u;
        if (!ascending) key = ~key;
        all &= key;
        any |= key;
        items[row] = std::uint64_t{key} << 32 | static_cast<std::uint32_t>(rows[row]);
    }
    std::vector<std::uint64_t, KestLib::BulkAllocator<std::uint64_t>> buffer(rows.size());
    radixSort(items.data(), items.size(), buffer.data(), std::uint64_t{all ^ any} << 32,
              [](std::uint64_t item) { return item; });
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = static_cast<int>(items[row] & 0xFFFF'FFFFu);
}

void sortRowsByTexts(std::vector<int>& rows, const PwText::PackedTexts& keys, bool ascending) {
    // Rows are sorted by their first characters, then each run of rows that
    // agree in those by the next ones, and so on: most comparisons read two
    // numbers side by side rather than two texts far apart in memory.
    const auto textBefore = [&keys, ascending](int a, int b) {
        return ascending ? keys.at(a) < keys.at(b) : keys.at(b) < keys.at(a);
    };
    if (std::is_sorted(rows.begin(), rows.end(), textBefore)) return;
    SortItems items(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) items[row] = {0, static_cast<std::uint32_t>(row), rows[row]};
    SortItems buffer(items.size());
    auto fill = [&keys, ascending](SortItem* first, SortItem* last, std::size_t chunk) {
        for (SortItem* item = first; item != last; ++item) {
            const std::uint64_t key = chunkOf(keys.at(item->position), chunk);
            item->key = ascending ? key : ~key;
        }
    };
    struct Run {
        std::size_t begin, end, chunk;
    };
    std::vector<Run> runs;
    fill(items.data(), items.data() + items.size(), 0);
    runs.push_back({0, items.size(), 0});
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        SortItem* const first = items.data() + run.begin;
        sortItems(first, items.data() + run.end, buffer.data());
        for (std::size_t begin = run.begin, end; begin < run.end; begin = end) {
            end = begin + 1;
            while (end < run.end && items[end].key == items[begin].key) ++end;
            // Rows of texts that ended in this chunk are equal, and in order.
            if (end - begin < 2 || keys.at(items[begin].position).size() < (run.chunk + 1) * charactersPerChunk)
                continue;
            fill(items.data() + begin, items.data() + end, run.chunk + 1);
            runs.push_back({begin, end, run.chunk + 1});
        }
    }
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = items[row].position;
}
