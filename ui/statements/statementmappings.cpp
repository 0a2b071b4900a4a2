#include "ui/statements/statementmappings.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QStringList>
#include <iterator>
#include <utility>

#include "ui/book/applicationsettings.h"

using namespace PwText;

namespace {

// The stored names of each choice, so that a settings file stays readable
// by hand and means the same whatever order the enums come in.
template <typename Value>
using Names = std::pair<Value, const char*>;

constexpr Names<StatementField> fieldNames[] = {
    {StatementField::Ignore, "ignore"}, {StatementField::Date, "date"},           {StatementField::Amount, "amount"},
    {StatementField::Debit, "debit"},   {StatementField::Credit, "credit"},       {StatementField::Comment, "comment"},
    {StatementField::Type, "type"},     {StatementField::Direction, "direction"},
};
constexpr Names<StatementEncoding> encodingNames[] = {
    {StatementEncoding::Utf8, "utf-8"},
    {StatementEncoding::Big5, "big5"},
    {StatementEncoding::Windows1252, "windows-1252"},
    {StatementEncoding::Latin1, "iso-8859-1"},
};
constexpr Names<AmountRule> ruleNames[] = {{AmountRule::Round, "round"}, {AmountRule::Cents, "cents"}};
constexpr Names<char> delimiterNames[] = {{',', "comma"}, {';', "semicolon"}, {'\t', "tab"}};
constexpr Names<int> decimalNames[] = {{0, "point"}, {1, "comma"}};

template <typename Value, std::size_t n>
QString nameOf(const Names<Value> (&names)[n], Value value) {
    for (const auto& [known, name] : names)
        if (known == value) return QString::fromLatin1(name);
    return {};
}

template <typename Value, std::size_t n>
bool valueOf(const Names<Value> (&names)[n], const QString& name, Value& value) {
    for (const auto& [known, stored] : names)
        if (name == QLatin1String(stored)) {
            value = known;
            return true;
        }
    return false;
}

// Dates by the names the command line gives them, which settings written
// before there were more formats use too.
QString nameOfDates(StatementDateFormat format) {
    for (const auto& named : statementDateFormatNames())
        if (named.format == format) return QString::fromLatin1(named.name);
    return {};
}

bool datesNamed(const QString& name, StatementDateFormat& format) {
    for (const auto& named : statementDateFormatNames())
        if (name == QLatin1String(named.name)) {
            format = named.format;
            return true;
        }
    return false;
}

}  // namespace

StatementMappings::StatementMappings() : StatementMappings(applicationSettings()) {}

StatementMappings::StatementMappings(std::unique_ptr<QSettings> store) : settings(std::move(store)) {}

StatementMappings::~StatementMappings() = default;

QString StatementMappings::groupOf(const std::vector<std::string>& header) {
    // The names with their count, so that ("a,b", "c") and ("a", "b,c") differ.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const std::string& name : header) {
        hash.addData(QByteArray::number(static_cast<qulonglong>(name.size())) + ':');
        hash.addData(QByteArrayView(name.data(), static_cast<qsizetype>(name.size())));
    }
    return QStringLiteral("statementMappings/") + QString::fromLatin1(hash.result().toHex());
}

std::optional<StatementOptions> StatementMappings::recall(const std::vector<std::string>& header) const {
    if (header.empty()) return std::nullopt;
    settings->sync();
    settings->beginGroup(groupOf(header));
    const QStringList columns = settings->value(QStringLiteral("columns")).toStringList();
    const QString encoding = settings->value(QStringLiteral("encoding")).toString();
    const QString date = settings->value(QStringLiteral("dateFormat")).toString();
    const QString rule = settings->value(QStringLiteral("amountRule")).toString();
    const QString delimiter = settings->value(QStringLiteral("delimiter")).toString();
    const QString decimal = settings->value(QStringLiteral("decimalMark")).toString();
    settings->endGroup();

    StatementOptions options;
    options.format = StatementFormat::Csv;
    options.csv.header = 1;
    if (static_cast<std::size_t>(columns.size()) != header.size()) return std::nullopt;
    for (const QString& name : columns) {
        StatementField field = StatementField::Ignore;
        if (!valueOf(fieldNames, name, field)) return std::nullopt;
        options.csv.columns.push_back(field);
    }
    if (!valueOf(encodingNames, encoding, options.encoding) || !datesNamed(date, options.dateFormat) ||
        !valueOf(ruleNames, rule, options.amountRule) || !valueOf(delimiterNames, delimiter, options.csv.delimiter) ||
        !valueOf(decimalNames, decimal, options.csv.decimalComma))
        return std::nullopt;
    return options;
}

void StatementMappings::remember(const Statement& statement, AmountRule rule) {
    if (statement.format != StatementFormat::Csv || statement.csv.header != 1 || statement.columnNames.empty() ||
        statement.csv.columns.size() != statement.columnNames.size())
        return;
    QStringList columns;
    for (StatementField field : statement.csv.columns) columns << nameOf(fieldNames, field);
    settings->beginGroup(groupOf(statement.columnNames));
    settings->setValue(QStringLiteral("columns"), columns);
    settings->setValue(QStringLiteral("encoding"), nameOf(encodingNames, statement.encoding));
    settings->setValue(QStringLiteral("dateFormat"), nameOfDates(statement.dateFormat));
    settings->setValue(QStringLiteral("amountRule"), nameOf(ruleNames, rule));
    settings->setValue(QStringLiteral("delimiter"), nameOf(delimiterNames, statement.csv.delimiter));
    settings->setValue(QStringLiteral("decimalMark"), nameOf(decimalNames, statement.csv.decimalComma));
    settings->endGroup();
    settings->sync();
}
