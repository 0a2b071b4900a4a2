#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// What a date typed as text means. Every language takes year/month/day
// (with "/", "-" or "." between, or as eight digits); a language may add its
// own order, such as day.month.year, given as a form like "d.M.y". A day
// alone, or day and month, fall in the shown month or year. A year more than
// a hundred years from today is told apart, so that a slip of the fingers is
// never taken for a date far away.
class TypedDate {
public:
    enum class Reading { Date, NotADate, FarYear };

    Reading reading = Reading::NotADate;
    QDate date;

    static TypedDate read(QStringView typed, QStringView languageForm, QDate shown, QDate today);
    // Today written in the language's form, as an example of a date to type.
    static QString example(QStringView languageForm, QDate today);
    // The characters a typed date is made of.
    static bool belongsToDate(QChar c);
};
