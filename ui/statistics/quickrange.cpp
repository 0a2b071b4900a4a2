#include "ui/statistics/quickrange.h"

#include "core/accountdb.h"
#include "core/analysis.h"
#include "ui/widgets/bookdateedit.h"

namespace {

QDate monthStart(const QDate& date) { return QDate(date.year(), date.month(), 1); }
QDate monthEnd(const QDate& date) { return monthStart(date).addMonths(1).addDays(-1); }

}  // namespace

std::optional<QuickRange::Span> QuickRange::span(Kind kind, const QDate& today, const KestLib::AccountDB& db) {
    switch (kind) {
    case ThisMonth: return Span{monthStart(today), monthEnd(today)};
    case LastMonth: {
        const QDate previous = monthStart(today).addMonths(-1);
        return Span{previous, monthEnd(previous)};
    }
    case ThisYear: return Span{QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)};
    case LastYear: return Span{QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    case WholeBook: return bookSpan(db);
    }
    return std::nullopt;
}

std::optional<QuickRange::Span> QuickRange::bookSpan(const KestLib::AccountDB& db) {
    const auto dateOf = [](const KestLib::Transaction& record) {
        return QDate(record.year(), record.month(), record.day());
    };
    // Only dates a date box can show bound the span.
    const auto bounds = KestLib::dateBounds(db, [&](const KestLib::Transaction& record) {
        const QDate date = dateOf(record);
        return date.isValid() && date >= BookDateEdit::earliest() && date <= BookDateEdit::latest();
    });
    if (!bounds) return std::nullopt;
    return Span{dateOf(db.transaction(bounds->first, false)), dateOf(db.transaction(bounds->last, false))};
}
