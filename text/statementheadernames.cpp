#include "text/statementheadernames.h"

namespace PwText {

namespace {

using F = StatementField;

// A column named here is read as its field; any other is ignored unless the
// user maps it. A bank's own transaction type ("Type": ATM, ACH_DEBIT) is
// not the book's type, so it is not named here: it is offered as a mapping.
constexpr StatementHeaderName names[] = {
    // The date.
    {"date", F::Date},
    {"transaction date", F::Date},
    {"posting date", F::Date},
    {"booking date", F::Date},
    {"datum", F::Date},
    {"buchung", F::Date},
    {"buchungstag", F::Date},
    {"buchungsdatum", F::Date},
    {"valuta", F::Date},
    {"valutadatum", F::Date},
    {"wertstellung", F::Date},
    {"transactiedatum", F::Date},
    {"date opération", F::Date},
    {"date d'opération", F::Date},
    {"日期", F::Date},
    {"交易日期", F::Date},
    {"帳務日期", F::Date},
    // A signed amount.
    {"amount", F::Amount},
    {"transaction amount", F::Amount},
    {"betrag", F::Amount},
    {"umsatz", F::Amount},
    {"bedrag", F::Amount},
    {"montant", F::Amount},
    {"金額", F::Amount},
    {"交易金額", F::Amount},
    // What went out, unsigned.
    {"debit", F::Debit},
    {"debit amount", F::Debit},
    {"withdrawal", F::Debit},
    {"paid out", F::Debit},
    {"money out", F::Debit},
    {"soll", F::Debit},
    {"débit", F::Debit},
    {"支出", F::Debit},
    {"支出金額", F::Debit},
    {"提款", F::Debit},
    // What came in, unsigned.
    {"credit", F::Credit},
    {"credit amount", F::Credit},
    {"deposit", F::Credit},
    {"paid in", F::Credit},
    {"money in", F::Credit},
    {"haben", F::Credit},
    {"crédit", F::Credit},
    {"存入", F::Credit},
    {"存入金額", F::Credit},
    {"存款", F::Credit},
    // The comment: every such column, joined.
    {"description", F::Comment},
    {"transaction description", F::Comment},
    {"payee", F::Comment},
    {"name", F::Comment},
    {"memo", F::Comment},
    {"comment", F::Comment},
    {"text", F::Comment},
    {"verwendungszweck", F::Comment},
    {"buchungstext", F::Comment},
    {"beschreibung", F::Comment},
    {"empfänger", F::Comment},
    {"auftraggeber", F::Comment},
    {"beguenstigter/zahlungspflichtiger", F::Comment},
    {"begünstigter/zahlungspflichtiger", F::Comment},
    {"naam / omschrijving", F::Comment},
    {"omschrijving", F::Comment},
    {"mededelingen", F::Comment},
    {"libellé", F::Comment},
    {"摘要", F::Comment},
    {"說明", F::Comment},
    {"交易說明", F::Comment},
    {"備註", F::Comment},
    {"附言", F::Comment},
    // The book's type.
    {"category", F::Type},
    {"kategorie", F::Type},
    {"類別", F::Type},
    // Which way the amount went: "S"/"H", "Af"/"Bij", "D"/"C" and the like.
    {"direction", F::Direction},
    {"soll/haben", F::Direction},
    {"s/h", F::Direction},
    {"richtung", F::Direction},
    {"zahlungsrichtung", F::Direction},
    {"af bij", F::Direction},
    {"af/bij", F::Direction},
    {"debit/credit", F::Direction},
    {"dr/cr", F::Direction},
    // A balance is no transaction.
    {"balance", F::Ignore},
    {"saldo", F::Ignore},
    {"餘額", F::Ignore},
};

}  // namespace

std::span<const StatementHeaderName> statementHeaderNames() { return names; }

}  // namespace PwText
