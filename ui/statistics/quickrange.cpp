#include "statistics/quickrange.h"

#include <cstdint>
#include <limits>

#include "accountdb.h"
#include "widgets/bookdateedit.h"

namespace {

QDate monthStart(const QDate& date) { return QDate(date.year(), date.month(), 1); }
QDate monthEnd(const QDate& date) { return monthStart(date).addMonths(1).addDays(-1); }

}  // namespace

std::optional<QuickRange::Span> QuickRange::span(Kind kind, const QDate& today, const KestLib::AccountDB& db) {
    switch (kind) {
    case ThisMonth:
        return Span{monthStart(today), monthEnd(today)};
    case LastMonth: {
        const QDate previous = monthStart(today).addMonths(-1);
        return Span{previous, monthEnd(previous)};
    }
    case ThisYear:
        return Span{QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)};
    case LastYear:
        return Span{QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    case WholeBook:
        return bookSpan(db);
    }
    return std::nullopt;
}

std::optional<QuickRange::Span> QuickRange::bookSpan(const KestLib::AccountDB& db) {
    // Date codes order as the dates do; a record is looked at more closely
    // only when it would move a bound, which few of a big book's do.
    std::int32_t first = std::numeric_limits<std::int32_t>::max();
    std::int32_t last = std::numeric_limits<std::int32_t>::min();
    Span span;
    for (int position = 0; position < db.transCount(); ++position) {
        const KestLib::Transaction& record = db.transaction(position, false);
        const std::int32_t code = record.dateCode();
        if (code >= first && code <= last) continue;
        const QDate date(record.year(), record.month(), record.day());
        if (!date.isValid() || date < BookDateEdit::earliest() || date > BookDateEdit::latest()) continue;
        if (code < first) first = code, span.first = date;
        if (code > last) last = code, span.last = date;
    }
    if (!span.first.isValid()) return std::nullopt;
    return span;
}
