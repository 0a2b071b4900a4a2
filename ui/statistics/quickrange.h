#pragma once

#include <QDate>
#include <optional>

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The ranges the statistic dialogs offer beside their dates, each counted
// from a given today so that a test can fix the day.
class QuickRange {
public:
    // In the order the dialogs list them.
    enum Kind { ThisMonth, LastMonth, ThisYear, LastYear, WholeBook };
    static constexpr int kindCount = WholeBook + 1;

    struct Span {
        QDate first;
        QDate last;
    };

    // The first and last day of the range. The whole book runs from its
    // earliest to its latest transaction date; a book with none has no span.
    static std::optional<Span> span(Kind kind, const QDate& today, const KestLib::AccountDB& db);
    // The earliest and latest transaction dates a date box can show; a date
    // no calendar has (only a damaged file holds one) is left out.
    static std::optional<Span> bookSpan(const KestLib::AccountDB& db);
};
