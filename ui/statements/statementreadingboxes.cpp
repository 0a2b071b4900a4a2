#include "ui/statements/statementreadingboxes.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <algorithm>

using namespace PwText;

namespace {

// The value a box's item stands for, as its data.
template <typename Value>
int dataOf(Value value) {
    return static_cast<int>(value);
}

void select(QComboBox* box, int data) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(std::max(0, box->findData(data)));
}

// The first item is "detect"; while chosen, it names what was detected, as
// the item of that value reads, or that nothing was (none).
void nameDetected(QComboBox* box, int settled, bool none = false) {
    const int found = box->currentIndex() == 0 && !none ? box->findData(settled) : -1;
    box->setItemText(0, found > 0 ? StatementReadingBoxes::tr("Detected: %1").arg(box->itemText(found))
                        : none && box->currentIndex() == 0 ? StatementReadingBoxes::tr("Detected: none")
                                                           : StatementReadingBoxes::tr("Detect"));
}

}  // namespace

StatementReadingBoxes::StatementReadingBoxes(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);

    dateFormat = addBox("dateFormatBox", tr("&Dates:"));
    dateFormat->addItem(tr("Detect"), dataOf(StatementDateFormat::Detect));
    // The names are the command line's too; only their letters are the language's.
    //: The letters that stand for the year, the month and the day in the names of date formats, in that order
    const QString letters = tr("YMD");
    const auto shownName = [&letters](const char* name) {
        QString shown = QString::fromLatin1(name);
        if (letters.size() != 3) return shown;
        for (QChar& c : shown) c = c == u'Y' ? letters[0] : c == u'M' ? letters[1] : c == u'D' ? letters[2] : c;
        return shown;
    };
    for (const auto& named : statementDateFormatNames())
        dateFormat->addItem(
            named.format == StatementDateFormat::Roc ? tr("Republic of China, YYY/MM/DD") : shownName(named.name),
            dataOf(named.format));

    decimalMark = addBox("decimalMarkBox", tr("Decimal &mark:"));
    decimalMark->addItem(tr("Detect"), -1);
    decimalMark->addItem(tr("Point (12.50)"), 0);
    decimalMark->addItem(tr("Comma (12,50)"), 1);

    amountRule = addBox("amountRuleBox", tr("&Cents:"));
    amountRule->addItem(tr("Round to whole units"), dataOf(AmountRule::Round));
    amountRule->addItem(tr("Read as cents"), dataOf(AmountRule::Cents));

    encoding = addBox("encodingBox", tr("&Encoding:"));
    encoding->addItem(tr("Detect"), dataOf(StatementEncoding::Detect));
    encoding->addItem(QStringLiteral("UTF-8"), dataOf(StatementEncoding::Utf8));
    encoding->addItem(QStringLiteral("Big5"), dataOf(StatementEncoding::Big5));
    encoding->addItem(QStringLiteral("Windows-1252"), dataOf(StatementEncoding::Windows1252));
    encoding->addItem(QStringLiteral("ISO-8859-1"), dataOf(StatementEncoding::Latin1));

    delimiter = addBox("delimiterBox", tr("De&limiter:"));
    delimiter->addItem(tr("Detect"), 0);
    delimiter->addItem(tr("Comma"), int{','});
    delimiter->addItem(tr("Semicolon"), int{';'});
    delimiter->addItem(tr("Tab"), int{'\t'});
}

QComboBox* StatementReadingBoxes::addBox(const char* objectName, const QString& label) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(objectName));
    static_cast<QFormLayout*>(layout())->addRow(label, box);
    connect(box, &QComboBox::currentIndexChanged, this, &StatementReadingBoxes::changed);
    return box;
}

StatementOptions StatementReadingBoxes::options() const {
    StatementOptions chosen;
    chosen.dateFormat = static_cast<StatementDateFormat>(dateFormat->currentData().toInt());
    chosen.amountRule = static_cast<AmountRule>(amountRule->currentData().toInt());
    chosen.encoding = static_cast<StatementEncoding>(encoding->currentData().toInt());
    chosen.csv.decimalComma = decimalMark->currentData().toInt();
    chosen.csv.delimiter = static_cast<char>(delimiter->currentData().toInt());
    return chosen;
}

void StatementReadingBoxes::setOptions(const StatementOptions& options) {
    select(dateFormat, dataOf(options.dateFormat));
    select(amountRule, dataOf(options.amountRule));
    select(encoding, dataOf(options.encoding));
    select(decimalMark, options.csv.decimalComma);
    select(delimiter, options.csv.delimiter);
}

void StatementReadingBoxes::offerAmountRule(bool offered) { amountRule->setEnabled(offered); }

void StatementReadingBoxes::showSettled(const Statement& statement) {
    const bool csv = statement.format == StatementFormat::Csv;
    // No date read, or every date either way round: the user says which.
    const bool noDates = statement.rows.empty() ||
                         std::any_of(statement.faults.begin(), statement.faults.end(), [](const StatementFault& fault) {
                             return fault.reason == StatementFault::Reason::AmbiguousDates;
                         });
    nameDetected(dateFormat, dataOf(statement.dateFormat), noDates);
    nameDetected(encoding, dataOf(statement.encoding));
    nameDetected(decimalMark, csv ? statement.csv.decimalComma : -1);
    nameDetected(delimiter, csv ? statement.csv.delimiter : 0);
    dateFormat->setEnabled(statement.format != StatementFormat::Ofx);
    decimalMark->setEnabled(csv);
    delimiter->setEnabled(csv);
}
