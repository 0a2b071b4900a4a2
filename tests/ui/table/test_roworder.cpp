#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <climits>
#include <numeric>
#include <string>
#include <vector>

#include "text/packedtexts.h"
#include "ui/table/roworder.h"

namespace {

// What every sort of the order must give: a stable sort of the rows as they
// stand, by the keys of their positions.
template <typename Less>
std::vector<int> stableSorted(std::vector<int> rows, bool ascending, Less less) {
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return ascending ? less(a, b) : less(b, a); });
    return rows;
}

PwText::PackedTexts packed(const std::vector<std::u16string>& texts) {
    PwText::PackedTexts keys;
    for (const std::u16string& text : texts) keys.append(text);
    return keys;
}

// An order of count rows in a shuffled order, as an earlier sort by another
// column leaves them.
RowOrder shuffledOrder(int count, QRandomGenerator& random) {
    RowOrder order;
    order.reset(count);
    std::vector<int> shuffle(static_cast<std::size_t>(count));
    for (int& key : shuffle) key = static_cast<int>(random.bounded(1000));
    order.sortByIntegers(-2, true, shuffle);
    return order;
}

std::vector<int> repeated(int count, std::initializer_list<int> values) {
    std::vector<int> keys;
    for (int i = 0; i < count; ++i) keys.push_back(*(values.begin() + i % static_cast<int>(values.size())));
    return keys;
}

std::vector<std::u16string> repeatedTexts(int count, std::initializer_list<std::u16string> values) {
    std::vector<std::u16string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(*(values.begin() + i % static_cast<int>(values.size())));
    return texts;
}

}  // namespace

class TestRowOrder : public QObject {
    Q_OBJECT

private slots:
    void everySortIsAStableSort();
    void resortPlacesChangedRowsAsAStableSortWould();
};

void TestRowOrder::everySortIsAStableSort() {
    // Few rows take a comparison sort, many the radix sort; texts are
    // compared in chunks of three characters, so prefixes around that length
    // and the highest UTF-16 unit are where a fault would hide.
    struct Case {
        const char* name;
        std::vector<int> integers;          // sorted by these, or
        std::vector<std::u16string> texts;  // by these
    };
    const std::vector<Case> cases = {
        {"few integers, many equal", repeated(40, {3, -1, 3, 0, -1}), {}},
        {"many integers, many equal", repeated(3000, {7, 2, 7, 7, 1000000, -5}), {}},
        {"extreme integers", repeated(600, {INT_MIN, INT_MAX, 0, -1, 1, INT_MIN + 1}), {}},
        {"integers varying in one high byte", repeated(600, {0x01000000, 0x02000000, 0x01000000}), {}},
        // Digits wider than a byte, and digits that start where bits vary.
        {"amounts in cents", repeated(900, {1250, 15, 123456, 999999999, 100, 7, 4096, 4095}), {}},
        {"integers varying in bits far apart", repeated(600, {1, 1 << 20, 1 << 30 | 1, 1 << 20 | 1, 0}), {}},
        {"dates close together", repeated(3000, {20040229, 20040301, 20031231, 20040101, 20040229}), {}},
        // So many rows that wide keys are first split by their highest byte.
        {"many rows of amounts in cents",
         repeated(70001, {1250, 15, 123456, 4999999, 100, 7, 4096, 4095, 70000, 3000000, -2500000, 15, 1250}),
         {}},
        {"few texts", {}, repeatedTexts(50, {u"b", u"", u"ab", u"a", u"B", u"\u4e2d"})},
        {"texts agreeing past a chunk",
         {},
         repeatedTexts(900, {u"abcdefg", u"abcdefgh", u"abcdef", u"abcdefg ", u"abc", u"abcd", u"abcdefgh"})},
        {"a text before the longer ones it begins",
         {},
         repeatedTexts(700, {u"aaa", u"aa", u"aaaa", u"", u"a", u"aaa\u0001"})},
        {"highest and lowest units",
         {},
         repeatedTexts(700, {u"\uffff", u"\uffffa", u"\u0001", u"\ufffe\uffff", u"\u0000x"})},
        {"many rows of texts",
         {},
         repeatedTexts(70001, {u"Miete", u"Mietkaution", u"Bäckerei", u"M", u"", u"Miete März", u"\u4e2d\u6587"})},
    };
    QRandomGenerator random(5);
    for (const Case& test : cases) {
        for (bool ascending : {true, false}) {
            const int count = static_cast<int>(std::max(test.integers.size(), test.texts.size()));
            RowOrder order = shuffledOrder(count, random);
            const std::vector<int> before = order.rows();
            std::vector<int> expected;
            if (!test.integers.empty()) {
                expected =
                    stableSorted(before, ascending, [&](int a, int b) { return test.integers[a] < test.integers[b]; });
                order.sortByIntegers(0, ascending, test.integers);
            } else {
                expected = stableSorted(before, ascending, [&](int a, int b) { return test.texts[a] < test.texts[b]; });
                order.sortByTexts(0, ascending, packed(test.texts));
            }
            QVERIFY2(order.rows() == expected, test.name);
        }
    }
}

void TestRowOrder::resortPlacesChangedRowsAsAStableSortWould() {
    // After a sort, rows are added, their keys changed and removed; sorting
    // again by the same key places only those. After rows added alone, or
    // one row changed (what the window does before each sort), that gives
    // exactly what a stable sort of every row would; after several changes,
    // rows by key still, the unchanged rows in the order they had.
    enum Kind { Append, Modify, Remove };
    struct Step {
        Kind kind;
        int position;  // for Modify and Remove
        int key;       // for Append and Modify; -1: the key it has
    };
    struct Case {
        const char* name;
        bool exact;
        std::vector<Step> steps;
    };
    std::vector<Step> manyAppended, manyModified, mixed;
    for (int i = 0; i < 40; ++i) manyAppended.push_back({Append, 0, i % 3});
    for (int i = 0; i < 40; ++i) manyModified.push_back({Modify, i * 7, i % 4});
    for (int i = 0; i < 12; ++i) {
        mixed.push_back({Append, 0, i % 5});
        mixed.push_back({Modify, 20 + i * 31, (i * 3) % 5});
        mixed.push_back({Remove, 400 - i * 29, 0});
    }
    const std::vector<Case> cases = {
        {"one appended", true, {{Append, 0, 2}}},
        {"many appended, merged in", true, manyAppended},
        {"a modified key that stays the same", true, {{Modify, 17, -1}}},
        {"a modified key that moves", true, {{Modify, 17, 9}}},
        {"one removed", true, {{Remove, 250, 0}}},
        {"a removed row that was modified", true, {{Modify, 50, 3}, {Remove, 50, 0}}},
        {"several modified, one twice", false, {{Modify, 5, 4}, {Modify, 90, 1}, {Modify, 5, 2}, {Modify, 200, 8}}},
        {"more modified than are placed one by one", true, manyModified},
        {"appended, modified and removed", false, mixed},
    };
    QRandomGenerator random(8);
    for (const Case& test : cases) {
        for (bool ascending : {true, false}) {
            std::vector<int> keys(500);
            for (int& key : keys) key = static_cast<int>(random.bounded(10));
            std::vector<bool> changed(keys.size(), false);  // by position
            RowOrder order = shuffledOrder(static_cast<int>(keys.size()), random);
            order.sortByIntegers(0, ascending, keys);
            for (const Step& step : test.steps) {
                if (step.kind == Append) {
                    keys.push_back(step.key);
                    changed.push_back(true);
                    order.appended();
                } else if (step.kind == Modify) {
                    if (step.key >= 0) keys[static_cast<std::size_t>(step.position)] = step.key;
                    changed[static_cast<std::size_t>(step.position)] = true;
                    order.modified(step.position);
                } else {
                    keys.erase(keys.begin() + step.position);
                    changed.erase(changed.begin() + step.position);
                    // Between the two steps the row shows nothing.
                    const int row = order.vacate(step.position);
                    QVERIFY2(row >= 0 && order.rows()[static_cast<std::size_t>(row)] == -1, test.name);
                    order.eraseRow(row);
                }
            }
            const std::vector<int> before = order.rows();
            const auto less = [&](int a, int b) { return keys[a] < keys[b]; };
            order.sortByIntegers(0, ascending, keys);
            const std::vector<int>& after = order.rows();
            if (test.exact) {
                QVERIFY2(after == stableSorted(before, ascending, less), test.name);
                continue;
            }
            std::vector<int> positions = after;
            std::sort(positions.begin(), positions.end());
            std::vector<int> every(keys.size());
            std::iota(every.begin(), every.end(), 0);
            QVERIFY2(positions == every, test.name);
            QVERIFY2(std::is_sorted(after.begin(), after.end(),
                                    [&](int a, int b) { return ascending ? less(a, b) : less(b, a); }),
                     test.name);
            auto unchanged = [&](std::vector<int> rows) {
                std::erase_if(rows, [&](int position) { return changed[static_cast<std::size_t>(position)]; });
                return rows;
            };
            QVERIFY2(unchanged(after) == unchanged(before), test.name);
        }
    }
}

QTEST_GUILESS_MAIN(TestRowOrder)
#include "test_roworder.moc"
