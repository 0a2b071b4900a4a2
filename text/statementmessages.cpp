// The texts that tell why a statement can't be imported, in the user's language.

#include "text/statementmessages.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

#include "text/isodate.h"

namespace PwText {

namespace {

using Reason = StatementFault::Reason;

// Each text marked with QT_TRANSLATE_NOOP, so that lupdate sees it.
QString translated(const char* text) { return QCoreApplication::translate("StatementImport", text); }

// A date that reads either way round, as "2016-06-03 or 2016-03-06": the
// day first, then the month first.
QString bothReadings(std::string_view date) {
    using F = StatementDateFormat;
    QStringList readings;
    for (const auto& pair : {std::pair{F::DayMonthYearSlash, F::MonthDayYearSlash},
                             std::pair{F::DayMonthShortYearSlash, F::MonthDayShortYearSlash}})
        for (const F format : {pair.first, pair.second}) {
            int year, month, day;
            if (parseStatementDate(date, format, year, month, day))
                readings << QString::fromStdString(isoDate(year, month, day));
        }
    return readings.join(QStringLiteral(" / "));
}

QString reasonText(const StatementFault& fault) {
    const QString text = QString::fromUtf8(fault.text.data(), static_cast<qsizetype>(fault.text.size()));
    switch (fault.reason) {
    case Reason::EmptyFile: return translated(QT_TRANSLATE_NOOP("StatementImport", "The file is empty."));
    case Reason::UnknownFormat:
        return translated(
            QT_TRANSLATE_NOOP("StatementImport", "The file is neither a CSV, an OFX nor a QIF statement."));
    case Reason::NotInEncoding:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "The file isn't written in the encoding chosen."));
    case Reason::NoDateColumn:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "No column is chosen for the date."));
    case Reason::NoAmountColumn:
        return translated(
            QT_TRANSLATE_NOOP("StatementImport", "No column is chosen for the amount, nor for debits or credits."));
    case Reason::BadQuoting:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "The quotes of this row are broken."));
    case Reason::BadDate:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "\"%1\" is not a date in the format chosen.")).arg(text);
    case Reason::BadAmount:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "\"%1\" is not an amount.")).arg(text);
    case Reason::AmountOutOfRange:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "The amount %1 is more than a transaction holds."))
            .arg(text);
    case Reason::BadDirection:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "The direction \"%1\" is neither income nor outgoing."))
            .arg(text);
    case Reason::NoTransactions:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "The file holds no transactions."));
    case Reason::FileTooLarge:
        return translated(
                   QT_TRANSLATE_NOOP("StatementImport", "The file is larger than %1 GB, more than a statement may be."))
            .arg(QString::number(statementFileLimit >> 30));
    case Reason::LineTooLong:
        return translated(QT_TRANSLATE_NOOP("StatementImport",
                                            "This line is longer than %1 MB, more than a line of a statement may be."))
            .arg(QString::number(statementLineLimit >> 20));
    case Reason::TooManyFaults:
        return translated(
                   QT_TRANSLATE_NOOP("StatementImport", "More than %1 faults: the rest of the file was not read."))
            .arg(QString::number(statementFaultLimit));
    case Reason::InvalidBytes:
        return translated(QT_TRANSLATE_NOOP("StatementImport",
                                            "This line holds bytes that aren't valid %1, the encoding of the rest of "
                                            "the file. Choose the file's encoding if it is another."))
            .arg(text);
    case Reason::QifRecordNotEnded:
        return translated(QT_TRANSLATE_NOOP("StatementImport",
                                            "A second \"%1\" line in one transaction: the transaction above it doesn't "
                                            "end with a \"^\" line."))
            .arg(text);
    case Reason::OfxFieldOutsideTransaction:
        return translated(
                   QT_TRANSLATE_NOOP("StatementImport", "<%1> is outside a transaction: its <STMTTRN> is missing."))
            .arg(text);
    case Reason::OfxTransactionOutsideStatement:
        return translated(QT_TRANSLATE_NOOP(
            "StatementImport", "This transaction is outside a bank or card statement (<STMTRS> or <CCSTMTRS>)."));
    case Reason::NotStorable:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "\"%1\" holds a character the book can't store."))
            .arg(text);
    case Reason::TooLong:
        return translated(QT_TRANSLATE_NOOP("StatementImport", "\"%1\" is longer than the book's 255 bytes."))
            .arg(text);
    case Reason::TooManyTypes:
        return translated(
                   QT_TRANSLATE_NOOP("StatementImport", "The type \"%1\" would be one more than the book's 128."))
            .arg(text);
    case Reason::NoIndexLeft:
        return translated(
            QT_TRANSLATE_NOOP("StatementImport", "The book has no transaction number left for this row."));
    case Reason::AmbiguousDates:
        return translated(QT_TRANSLATE_NOOP("StatementImport",
                                            "Every date reads with the day first and with the month first (\"%1\": "
                                            "%2). Choose the date format."))
            .arg(text, bothReadings(fault.text));
    case Reason::OtherCurrency:
        return translated(
                   QT_TRANSLATE_NOOP("StatementImport", "\"%1\" is in another currency than the amounts above it."))
            .arg(text);
    }
    return {};
}

}  // namespace

QString describeStatementFault(const StatementFault& fault) {
    const QString reason = reasonText(fault);
    if (fault.line <= 0) return reason;
    return QCoreApplication::translate("StatementImport", "Line %1: %2").arg(QString::number(fault.line), reason);
}

}  // namespace PwText
