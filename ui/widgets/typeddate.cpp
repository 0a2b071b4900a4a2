#include "ui/widgets/typeddate.h"

#include <QList>
#include <algorithm>
#include <cstdlib>

namespace {

// A form is three letters, d, M and y, in the language's order, with the
// separator between them: "d.M.y", "M/d/y", "y/M/d".
struct Form {
    QString order;  // "dMy", "Mdy" or "yMd"
    QChar separator = u'/';
};

Form formOf(QStringView text) {
    Form form;
    for (const QChar c : text) {
        if (c == u'd' || c == u'M' || c == u'y') {
            if (!form.order.contains(c)) form.order += c;
        } else if (form.order.size() == 1) {
            form.separator = c;
        }
    }
    if (form.order.size() != 3) form.order = QStringLiteral("yMd");
    return form;
}

bool isSeparator(QChar c) { return c == u'/' || c == u'-' || c == u'.' || c == u' '; }

// A year written with one or two digits falls in the century nearest today.
int fullYear(const QString& digits, int thisYear) {
    const int year = digits.toInt();
    if (digits.size() > 2) return year;
    int full = thisYear - thisYear % 100 + year;
    if (full > thisYear + 50) full -= 100;
    if (full <= thisYear - 50) full += 100;
    return full;
}

TypedDate dated(QDate date, QDate today) {
    TypedDate result;
    if (!date.isValid()) return result;
    result.date = date;
    result.reading =
        std::abs(date.year() - today.year()) > 100 ? TypedDate::Reading::FarYear : TypedDate::Reading::Date;
    return result;
}

// The day and month of groups in the order of form, the year given.
QDate inOrder(const Form& form, const QList<QString>& groups, QDate today, int shownYear) {
    int day = 0;
    int month = 0;
    int year = shownYear;
    qsizetype next = 0;
    for (const QChar part : form.order) {
        if (part == u'y' && groups.size() < 3) continue;
        if (next >= groups.size()) return {};
        const QString& digits = groups.at(next++);
        if (part == u'd') day = digits.toInt();
        if (part == u'M') month = digits.toInt();
        if (part == u'y') year = fullYear(digits, today.year());
        if (part != u'y' && digits.size() > 2) return {};
    }
    return QDate(year, month, day);
}

}  // namespace

bool TypedDate::belongsToDate(QChar c) { return c.isDigit() || isSeparator(c); }

TypedDate TypedDate::read(QStringView typed, QStringView languageForm, QDate shown, QDate today) {
    const Form form = formOf(languageForm);
    QList<QString> groups;
    QString separators;
    QString group;
    for (const QChar c : typed.trimmed()) {
        if (c.isDigit() && c.unicode() < 128) {
            group += c;
        } else if (isSeparator(c) && !group.isEmpty()) {
            groups << group;
            separators += c;
            group.clear();
        } else {
            return {};
        }
    }
    if (!group.isEmpty())
        groups << group;
    else if (!separators.isEmpty())
        separators.chop(1);  // "28.11." as the day and month are often written
    if (groups.isEmpty() || groups.size() != separators.size() + 1 || groups.size() > 3) return {};
    // One separator throughout: "28.11/2026" is no way of writing a date.
    for (const QChar c : separators)
        if (c != separators.at(0)) return {};

    if (groups.size() == 1) {
        const QString& digits = groups.first();
        if (digits.size() == 8) {
            // Year first, unless only the language's own order makes a date of it.
            const TypedDate yearFirst =
                dated(QDate(digits.left(4).toInt(), digits.mid(4, 2).toInt(), digits.right(2).toInt()), today);
            if (yearFirst.reading == Reading::Date || form.order.startsWith(u'y')) return yearFirst;
            QList<QString> parts;
            for (const QChar part : form.order)
                parts << (part == u'y' ? digits.mid(form.order.indexOf(part) * 2, 4)
                                       : digits.mid(form.order.indexOf(part) * 2, 2));
            const TypedDate own = dated(inOrder(form, parts, today, shown.year()), today);
            return own.reading == Reading::NotADate ? yearFirst : own;
        }
        // The day of the shown month, or a year for the shown day and month.
        if (digits.size() <= 2) return dated(QDate(shown.year(), shown.month(), digits.toInt()), today);
        if (digits.size() <= 4) {
            const QDate first(digits.toInt(), shown.month(), 1);
            if (!first.isValid()) return {};
            return dated(QDate(first.year(), first.month(), std::min(shown.day(), first.daysInMonth())), today);
        }
        return {};
    }
    if (groups.size() == 3 && groups.first().size() >= 3) {
        if (groups.at(1).size() > 2 || groups.at(2).size() > 2) return {};
        return dated(QDate(groups.at(0).toInt(), groups.at(1).toInt(), groups.at(2).toInt()), today);
    }
    // The language's own order, written with its own separator; a year-first
    // language has none but year/month/day, and month/day without the year.
    if (form.order.startsWith(u'y') && groups.size() == 3) return {};
    if (!form.order.startsWith(u'y') && separators.at(0) != form.separator) return {};
    if (groups.size() == 3 && groups.last().size() > 4) return {};
    return dated(inOrder(form, groups, today, shown.year()), today);
}

QString TypedDate::example(QStringView languageForm, QDate today) {
    const Form form = formOf(languageForm);
    QString format;
    for (const QChar part : form.order) {
        if (!format.isEmpty()) format += form.separator;
        format += part == u'y' ? QStringLiteral("yyyy") : part == u'M' ? QStringLiteral("MM") : QStringLiteral("dd");
    }
    return today.toString(format);
}
