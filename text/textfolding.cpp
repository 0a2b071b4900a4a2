#include "text/textfolding.h"

#include <QChar>
#include <array>

namespace PwText {

namespace {

// The scripts whose accents a search passes over: Latin (with its extended
// blocks) and Greek.
bool dropsAccents(char32_t base) {
    return base < 0x0250 || (base >= 0x0370 && base < 0x0400) || (base >= 0x1E00 && base < 0x2000);
}

bool isCombiningAccent(char16_t unit) { return unit >= 0x0300 && unit < 0x0370; }

char16_t foldedOf(char16_t unit) {
    if (QChar::isSurrogate(unit)) return unit;
    if (isCombiningAccent(unit)) return TextFolding::leftOut;
    char32_t folded = QChar::toCaseFolded(char32_t(unit));
    // "ǘ" is "ü" and an acute, "ü" is "u" and a diaeresis: the base of the
    // base, folded again for a capital one decomposes to ("Ǘ").
    while (QChar::decompositionTag(folded) == QChar::Canonical) {
        const QString parts = QChar::decomposition(folded);
        const char32_t base = parts.isEmpty() || parts.at(0).isSurrogate() ? folded : parts.at(0).unicode();
        if (base == folded || !dropsAccents(base) || parts.size() < 2 || !isCombiningAccent(parts.at(1).unicode()))
            break;
        folded = QChar::toCaseFolded(base);
    }
    return folded < 0x10000 ? static_cast<char16_t>(folded) : unit;
}

}  // namespace

const char16_t* TextFolding::units() {
    // Built once, a few milliseconds, then only read: any thread may share it.
    static const std::array<char16_t, 0x10000> folded = [] {
        std::array<char16_t, 0x10000> units{};
        for (char32_t unit = 1; unit < 0x10000; ++unit) units[unit] = foldedOf(static_cast<char16_t>(unit));
        return units;
    }();
    return folded.data();
}

QString TextFolding::text(const QString& text) {
    QString folded;
    folded.reserve(text.size());
    for (const QChar character : text) {
        const char16_t unit = TextFolding::unit(character.unicode());
        if (unit != leftOut) folded.append(QChar(unit));
    }
    return folded;
}

}  // namespace PwText
