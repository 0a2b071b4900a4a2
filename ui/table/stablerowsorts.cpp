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

// The bits in which keys, less the least of them, can differ: from the
// lowest bit in which the keys differ (all and any: every key's bits and'ed
// and or'ed) up to the highest bit of span, the greatest less the least.
// Keys so lowered take fewer digits where they lie close together, as the
// dates of a book do, and their highest digit spreads them widely.
std::uint64_t loweredVarying(std::uint64_t all, std::uint64_t any, std::uint64_t span) {
    if (span == 0) return 0;
    const std::uint64_t lowest = (all ^ any) & (~(all ^ any) + 1);
    const int top = 63 - std::countl_zero(span);
    const std::uint64_t upToTop = top == 63 ? ~std::uint64_t{0} : (std::uint64_t{2} << top) - 1;
    return upToTop & ~(lowest - 1);
}

// Past this many items, a sort of more than one pass of digits wider than
// this first splits them by the highest byte of their keys into runs small
// enough for the processor's cache and sorts each run by the bits below:
// the one pass over all items then has 256 buckets, and the passes of wide
// digits, whose many buckets are slow to fill far apart, stay in the cache.
constexpr std::size_t splitAbove = std::size_t{1} << 16;
constexpr int splitWiderThan = 10;

// A stable sort of the count items at data by the number keyOf gives, of
// which only the bits of varying differ, other being room for as many; the
// sorted items end at other when toOther, else at data. Least significant
// digit first, each pass stable; bits every key has alike are skipped, so a
// column of few values takes one pass or two.
template <typename Item, typename KeyOf>
void radixSort(Item* data, std::size_t count, Item* other, std::uint64_t varying, KeyOf keyOf, bool toOther) {
    std::array<int, 64> shifts{};
    const int passes = digitShifts(varying, widestDigit, shifts);
    int width = narrowestDigit;
    while (digitShifts(varying, width, shifts) > passes) ++width;
    if (count > splitAbove && passes > 1 && width > splitWiderThan) {
        const int highest = 63 - std::countl_zero(varying);
        const int shift = std::max(std::countr_zero(varying), highest - 7);
        const std::uint64_t below = varying & ((std::uint64_t{1} << shift) - 1);
        std::array<std::size_t, 257> starts{};
        for (const Item* item = data; item != data + count; ++item) ++starts[((keyOf(*item) >> shift) & 0xFF) + 1];
        for (std::size_t bucket = 1; bucket < starts.size(); ++bucket) starts[bucket] += starts[bucket - 1];
        std::array<std::size_t, 256> next;
        std::copy_n(starts.begin(), next.size(), next.begin());
        for (const Item* item = data; item != data + count; ++item)
            other[next[(keyOf(*item) >> shift) & 0xFF]++] = *item;
        // Each run is now at other: sorted by the bits below, it ends where
        // the whole should.
        for (std::size_t bucket = 0; bucket + 1 < starts.size(); ++bucket) {
            const std::size_t begin = starts[bucket], size = starts[bucket + 1] - begin;
            if (size > 0) radixSort(other + begin, size, data + begin, below, keyOf, !toOther);
        }
        return;
    }
    const std::size_t buckets = std::size_t{1} << width;
    const std::uint64_t mask = buckets - 1;
    Item* from = data;
    Item* to = other;
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
    Item* const wanted = toOther ? other : data;
    if (from != wanted) std::copy(from, from + count, wanted);
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
    std::uint64_t all = ~std::uint64_t{0}, any = 0, least = ~std::uint64_t{0}, most = 0;
    for (const SortItem* item = first; item != last; ++item) {
        all &= item->key;
        any |= item->key;
        least = std::min(least, item->key);
        most = std::max(most, item->key);
    }
    radixSort(
        first, count, buffer, loweredVarying(all, any, most - least),
        [least](const SortItem& item) { return item.key - least; }, false);
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
    std::uint32_t all = ~0u, any = 0, least = ~0u, most = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // Offset so that the unsigned order is the signed one.
        std::uint32_t key = static_cast<std::uint32_t>(keyOf(rows[row])) ^ 0x8000'0000u;
        if (!ascending) key = ~key;
        all &= key;
        any |= key;
        least = std::min(least, key);
        most = std::max(most, key);
        items[row] = std::uint64_t{key} << 32 | static_cast<std::uint32_t>(rows[row]);
    }
    std::vector<std::uint64_t, KestLib::BulkAllocator<std::uint64_t>> buffer(rows.size());
    // The key less the least stays above the position: nothing borrows.
    const std::uint64_t lowered = std::uint64_t{least} << 32;
    radixSort(
        items.data(), items.size(), buffer.data(), loweredVarying(all, any, most - least) << 32,
        [lowered](std::uint64_t item) { return item - lowered; }, false);
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
