// The texts that tell why an import was refused, in the user's language.

#include <QCoreApplication>

#include "text/bookcsv.h"

namespace PwText {

namespace {

using Reason = ImportFault::Reason;

// The refusal texts are translated in their own context, seen by lupdate.
class CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

QString quoted(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

QString describeFault(const ImportFault& fault) {
    const QString column = QString::fromLatin1(fault.column.c_str());
    const QString text = quoted(fault.text);
    QString reason;
    switch (fault.reason) {
    case Reason::EmptyFile:
        reason =
            CsvImport::tr("the file is empty; it needs a header row such as index,date,direction,amount,type,comment");
        break;
    case Reason::UnknownColumn:
        reason =
            CsvImport::tr("unknown column \"%1\"; the columns are index, date, direction, amount, type and comment")
                .arg(text);
        break;
    case Reason::DuplicateColumn: reason = CsvImport::tr("the column \"%1\" appears twice").arg(text); break;
    case Reason::MissingColumn: reason = CsvImport::tr("the header has no \"%1\" column").arg(text); break;
    case Reason::QuoteInUnquotedField:
        reason = CsvImport::tr(
            "a quote inside a field that doesn't start with one; enclose the field in quotes and double "
            "the quote");
        break;
    case Reason::TextAfterClosingQuote: reason = CsvImport::tr("text after the closing quote of a field"); break;
    case Reason::UnclosedQuote: reason = CsvImport::tr("a quoted field is never closed"); break;
    case Reason::FieldCount:
        reason = CsvImport::tr("%1 fields where the header has %2").arg(fault.found).arg(fault.expected);
        break;
    case Reason::BadDate:
        reason = CsvImport::tr("the date \"%1\" is not a calendar date written YYYY-MM-DD").arg(text);
        break;
    case Reason::BadDirection:
        reason = CsvImport::tr("the direction \"%1\" is neither \"income\" nor \"outgoing\"").arg(text);
        break;
    case Reason::BadAmount: reason = CsvImport::tr("the amount \"%1\" is not a whole number").arg(text); break;
    case Reason::AmountOutOfRange:
        reason = CsvImport::tr("the amount %1 is out of range (-2147483648 to 2147483647)").arg(text);
        break;
    case Reason::NotUtf8: reason = CsvImport::tr("the %1 is not valid UTF-8 text").arg(column); break;
    case Reason::NotBig5: reason = CsvImport::tr("the %1 is not valid Big5 text").arg(column); break;
    case Reason::NotStorable:
        reason = CsvImport::tr("the %1 \"%2\" holds a character that Big5 can't store").arg(column, text);
        break;
    case Reason::TooLong:
        if (fault.inCharacters)
            reason = CsvImport::tr("the %1 is %2 characters long; at most %3 fit")
                         .arg(column)
                         .arg(fault.found)
                         .arg(fault.expected);
        else
            reason = CsvImport::tr("the %1 is %2 bytes long in Big5; at most %3 fit")
                         .arg(column)
                         .arg(fault.found)
                         .arg(fault.expected);
        break;
    case Reason::TooManyTypes:
        reason =
            CsvImport::tr("the new type \"%1\" would be one more than the 128 types a database can hold").arg(text);
        break;
    case Reason::NoIndexLeft: reason = CsvImport::tr("the database has no transaction index left for this row"); break;
    }
    return CsvImport::tr("Line %1: %2").arg(fault.line).arg(reason);
}

QString describeRefusal(const ImportReport& report) {
    QString text = CsvImport::tr("The CSV file was not imported; the database is unchanged.");
    for (const ImportFault& fault : report.faults) text += QLatin1Char('\n') + describeFault(fault);
    // A row may hold more than one listed fault only in the header.
    int listedRows = 0;
    int previousLine = -1;
    for (const ImportFault& fault : report.faults)
        if (fault.line != previousLine) {
            ++listedRows;
            previousLine = fault.line;
        }
    const int unlisted = report.faultyRows - listedRows;
    if (unlisted > 0) text += QLatin1Char('\n') + CsvImport::tr("%n more faulty row(s) not listed.", nullptr, unlisted);
    return text;
}

}  // namespace PwText
