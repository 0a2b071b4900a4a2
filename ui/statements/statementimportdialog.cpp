#include "ui/statements/statementimportdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>
#include <string_view>
#include <utility>

#include "core/accountdb.h"
#include "text/statementmessages.h"
#include "text/statementreader.h"
#include "ui/book/transactioncolumns.h"
#include "ui/statements/columnmappingboxes.h"
#include "ui/statements/statementmappings.h"
#include "ui/statements/statementpreviewmodel.h"
#include "ui/statements/statementreadingboxes.h"

using namespace PwText;

namespace {

QString formatName(StatementFormat format) {
    switch (format) {
    case StatementFormat::Ofx: return QStringLiteral("OFX");
    case StatementFormat::Qif: return QStringLiteral("QIF");
    default: return QStringLiteral("CSV");
    }
}

}  // namespace

StatementImportDialog::StatementImportDialog(const KestLib::AccountDB& db, QByteArray statementBytes,
                                             const StatementMappings& mappings, QWidget* parent)
    : QDialog(parent), db(db), bytes(std::move(statementBytes)) {
    setWindowTitle(tr("Import Statement"));
    buildWidgets();
    // A book of cents takes a statement's cents exactly; there is nothing to choose.
    readingBoxes->offerAmountRule(db.decimals() < 2);
    readBytes();
    if (read.format == StatementFormat::Csv && read.csv.header == 1)
        if (const auto remembered = mappings.recall(read.columnNames)) {
            options = *remembered;
            readingBoxes->setOptions(options);
            readBytes();
        }
    showRead();
    resize(860, 640);
}

StatementImportDialog::~StatementImportDialog() {
    // The view may still ask about the plan while it goes.
    model->setPlan(nullptr, false);
}

void StatementImportDialog::buildWidgets() {
    formatLabel = new QLabel(this);
    formatLabel->setObjectName(QStringLiteral("formatLabel"));

    columnGroup = new QGroupBox(tr("Columns"), this);
    // One row of boxes that scrolls sideways, so that a bank's 17 columns
    // leave the preview its rows.
    auto* columnScroll = new QScrollArea(columnGroup);
    columnScroll->setObjectName(QStringLiteral("columnScroll"));
    columnScroll->setWidgetResizable(true);
    columnScroll->setFrameShape(QFrame::NoFrame);
    columnScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    columnBoxes = new ColumnMappingBoxes(columnScroll);
    columnBoxes->setObjectName(QStringLiteral("columnMapping"));
    columnScroll->setWidget(columnBoxes);
    (new QVBoxLayout(columnGroup))->addWidget(columnScroll);
    connect(columnBoxes, &ColumnMappingBoxes::fieldsChanged, this, &StatementImportDialog::mappingChanged);

    readingBoxes = new StatementReadingBoxes(this);
    connect(readingBoxes, &StatementReadingBoxes::changed, this, &StatementImportDialog::readingChanged);

    // A row of no type takes the book's type for its comment, else this.
    defaultType = new QComboBox(this);
    defaultType->setObjectName(QStringLiteral("defaultTypeBox"));
    defaultType->setEditable(true);
    defaultType->setInsertPolicy(QComboBox::NoInsert);
    defaultType->addItem(QString());
    defaultType->lineEdit()->setPlaceholderText(tr("None: the nameless type"));
    for (int position = 0; position < db.typeCount(); ++position) {
        const std::string& name = db.typeAt(position).name();
        if (!name.empty()) defaultType->addItem(TransactionColumns::storedText(db, name));
    }
    // At each key, so that Return, which presses Import, imports what is shown.
    connect(defaultType, &QComboBox::editTextChanged, this, &StatementImportDialog::replan);
    keepDuplicates = new QCheckBox(tr("&Keep duplicates"), this);
    keepDuplicates->setObjectName(QStringLiteral("keepDuplicatesBox"));
    connect(keepDuplicates, &QCheckBox::toggled, this, &StatementImportDialog::replan);
    auto* choicesForm = new QFormLayout;
    choicesForm->addRow(tr("Default &type:"), defaultType);
    choicesForm->addRow(keepDuplicates);

    model = new StatementPreviewModel(this);
    preview = new QTableView(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setModel(model);
    preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    preview->verticalHeader()->hide();
    // Fixed heights and widths: nothing measures a hundred thousand rows.
    preview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A line of text a row, so that ten rows and more show at the default size.
    preview->verticalHeader()->setDefaultSectionSize(preview->fontMetrics().height() + 8);
    preview->setWordWrap(false);
    // Tab leaves the table for the buttons; Ctrl+Tab moves within it.
    preview->setTabKeyNavigation(false);
    // The comment takes the width there is; a mark is a word or two, a
    // fault's whole text is in its tip and the note below.
    preview->horizontalHeader()->setStretchLastSection(false);
    constexpr std::pair<int, int> widths[] = {
        {StatementPreviewModel::LineColumn, 50},  {StatementPreviewModel::DateColumn, 90},
        {StatementPreviewModel::InOutColumn, 80}, {StatementPreviewModel::AmountColumn, 70},
        {StatementPreviewModel::TypeColumn, 130}, {StatementPreviewModel::MarkColumn, 150}};
    for (const auto& [column, width] : widths) preview->setColumnWidth(column, width);
    preview->horizontalHeader()->setSectionResizeMode(StatementPreviewModel::CommentColumn, QHeaderView::Stretch);

    countsLabel = new QLabel(this);
    countsLabel->setObjectName(QStringLiteral("countsLabel"));
    noteLabel = new QLabel(this);
    noteLabel->setObjectName(QStringLiteral("noteLabel"));
    noteLabel->setWordWrap(true);
    // The readers' messages name OFX elements such as <STMTTRN>: never markup.
    noteLabel->setTextFormat(Qt::PlainText);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* settings = new QHBoxLayout;
    settings->addWidget(readingBoxes);
    settings->addLayout(choicesForm);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formatLabel);
    layout->addWidget(columnGroup);
    layout->addLayout(settings);
    layout->addWidget(preview, 1);
    layout->addWidget(countsLabel);
    layout->addWidget(noteLabel);
    layout->addWidget(buttons);
}

void StatementImportDialog::readingChanged() {
    StatementOptions chosen = readingBoxes->options();
    // Other bytes or another delimiter may make other columns: then they
    // are guessed again from the header.
    if (chosen.encoding == options.encoding && chosen.csv.delimiter == options.csv.delimiter)
        chosen.csv.columns = options.csv.columns;
    options = std::move(chosen);
    reread();
}

void StatementImportDialog::mappingChanged() {
    options.csv.columns = columnBoxes->fields();
    reread();
}

void StatementImportDialog::reread() {
    readBytes();
    showRead();
}

void StatementImportDialog::readBytes() {
    options.rowRoom = statementRowRoom(db);
    // The user's rule is kept for the mapping remembered; the book's decimals
    // may read the amounts otherwise.
    StatementOptions reading = options;
    ImportChoices fitted;
    fitAmountsToBook(db, reading, fitted);
    read = readStatement(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), reading);
}

void StatementImportDialog::showRead() {
    const bool csv = read.format == StatementFormat::Csv;
    if (csv && read.csv.header == 1 && read.headerLine > 0)
        formatLabel->setText(
            tr("Read as %1; line %2 is the header.").arg(formatName(read.format)).arg(read.headerLine));
    else if (read.accounts > 1)
        formatLabel->setText(tr("Read as %1: %n account(s).", nullptr, read.accounts).arg(formatName(read.format)));
    else
        formatLabel->setText(tr("Read as %1.").arg(formatName(read.format)));
    columnGroup->setVisible(csv);
    if (csv) {
        columnBoxes->showColumns(read.columnNames, read.csv.columns);
        auto* scroll = findChild<QScrollArea*>(QStringLiteral("columnScroll"));
        scroll->setFixedHeight(columnBoxes->sizeHint().height() + scroll->horizontalScrollBar()->sizeHint().height());
    }
    readingBoxes->showSettled(read);
    replan();
}

bool StatementImportDialog::keepsDuplicates() const { return keepDuplicates->isChecked(); }

ImportChoices StatementImportDialog::choices() const {
    ImportChoices chosen;
    chosen.keepDuplicates = keepDuplicates->isChecked();
    chosen.defaultType = defaultType->currentText().trimmed().toStdString();
    StatementOptions reading = options;
    fitAmountsToBook(db, reading, chosen);
    return chosen;
}

void StatementImportDialog::replan() {
    const ImportChoices chosen = choices();
    // The view lets go of the old plan before it is replaced.
    model->setPlan(nullptr, false);
    planned = StatementImport::plan(db, read, chosen);
    model->setPlan(&planned, chosen.keepDuplicates, db.decimals());
    showCounts();
}

void StatementImportDialog::showCounts() {
    QStringList counts;
    counts << tr("%n new transaction(s)", nullptr, planned.newCount());
    counts << (keepDuplicates->isChecked() ? tr("%n duplicate(s) kept", nullptr, planned.duplicateCount())
                                           : tr("%n duplicate(s) skipped", nullptr, planned.duplicateCount()));
    counts << tr("%n amount(s) rounded", nullptr, planned.roundedCount());
    if (planned.roundedToZeroCount() > 0) counts << tr("%n rounded to 0", nullptr, planned.roundedToZeroCount());
    if (planned.cutCount() > 0) counts << tr("%n comment(s) cut", nullptr, planned.cutCount());
    if (planned.respeltCount() > 0) counts << tr("%n row(s) spelt without accents", nullptr, planned.respeltCount());
    counts << tr("%n faulty row(s)", nullptr, planned.faultyCount());
    if (!planned.newTypes().empty())
        counts << tr("%n new type(s)", nullptr, static_cast<int>(planned.newTypes().size()));
    //: Between two counts ("3 new transactions, 1 amount rounded")
    countsLabel->setText(counts.join(tr(", ")));

    if (!planned.canImport())
        noteLabel->setText(tr("Nothing can be imported while a row is at fault; the first: %1")
                               .arg(describeStatementFault(planned.faults().front())));
    else if (planned.rows().empty())
        noteLabel->setText(tr("Nothing to import: the statement has no rows."));
    else if (planned.newCount() == 0)
        noteLabel->setText(tr("Nothing to import: the book holds every row already."));
    else
        noteLabel->clear();
    buttons->button(QDialogButtonBox::Ok)->setEnabled(planned.canImport() && planned.newCount() > 0);
}
