#pragma once

#include <vector>

namespace PwText {
class PackedTexts;
}

// Stable sorts of table rows, each row a position with a key (keys[position]),
// in either direction: rows of equal keys keep their order both ways, as the
// table's sorts promise. Built for a million rows: both sort numbers that
// order as the keys do, not the keys themselves, with a radix sort.

// By integer keys.
void sortRowsByIntegers(std::vector<int>& rows, const std::vector<int>& keys, bool ascending);
// By texts, compared as plain UTF-16 strings, a text before any longer one
// it begins.
void sortRowsByTexts(std::vector<int>& rows, const PwText::PackedTexts& keys, bool ascending);
