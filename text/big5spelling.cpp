#include "text/big5spelling.h"

#include <QList>
#include <QString>

#include "text/big5text.h"

namespace PwText {

namespace {

// Letters whose plain spelling is not the letter without its marks.
QString plainSpelling(char32_t c) {
    switch (c) {
    case U'ä': return QStringLiteral("ae");
    case U'ö': return QStringLiteral("oe");
    case U'ü': return QStringLiteral("ue");
    case U'Ä': return QStringLiteral("Ae");
    case U'Ö': return QStringLiteral("Oe");
    case U'Ü': return QStringLiteral("Ue");
    case U'ß': return QStringLiteral("ss");
    case U'ẞ': return QStringLiteral("SS");
    case U'æ': return QStringLiteral("ae");
    case U'Æ': return QStringLiteral("AE");
    case U'œ': return QStringLiteral("oe");
    case U'Œ': return QStringLiteral("OE");
    case U'ø': return QStringLiteral("o");
    case U'Ø': return QStringLiteral("O");
    case U'ł': return QStringLiteral("l");
    case U'Ł': return QStringLiteral("L");
    case U'đ': return QStringLiteral("d");
    case U'Đ': return QStringLiteral("D");
    case U'ı': return QStringLiteral("i");
    case U'\u00A0':
    case U'\u202F': return QStringLiteral(" ");
    default: return {};
    }
}

// The character without its combining marks, when that is what remains.
QString withoutMarks(const QString& character) {
    QString plain;
    for (const QChar c : character.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) plain += c;
    return plain != character ? plain : QString();
}

}  // namespace

bool respellForBig5(std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QString spelt;
    spelt.reserve(text.size());
    bool changed = false;
    for (qsizetype k = 0; k < text.size();) {
        const qsizetype length = text.at(k).isHighSurrogate() && k + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(k, length);
        k += length;
        if (character.at(0).unicode() < 0x80 || fitsBig5(character, 4)) {
            spelt += character;
            continue;
        }
        QString plain = plainSpelling(character.toUcs4().value(0));
        if (plain.isEmpty()) plain = withoutMarks(character);
        if (plain.isEmpty() || !fitsBig5(plain, 8)) {
            spelt += character;
            continue;
        }
        spelt += plain;
        changed = true;
    }
    if (changed) utf8 = spelt.toStdString();
    return changed;
}

}  // namespace PwText
