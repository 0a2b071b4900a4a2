#include "ui/statistics/statisticdialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "core/transaction.h"
#include "ui/book/transactioncolumns.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/dialogprompts.h"
#include "ui/prompts/warnuser.h"
#include "ui/statistics/quickrange.h"
#include "ui/widgets/amounttext.h"
#include "ui/widgets/bookdateedit.h"

namespace {

UserPrompts& messageBoxes() {
    static DialogPrompts prompts;
    return prompts;
}

// The choices of the last analysis dialog of the window it was opened
// from, which the next one offers again: its quick range (or else its dates)
// and its types. Kept by that window, so they last as long as the run.
class LastChoices : public QObject {
public:
    using QObject::QObject;

    int rangeKind = -1;
    QDate first;
    QDate last;
    std::vector<int> typeIds;
    bool allTypes = false;

    static LastChoices* of(QWidget* window, bool make) {
        if (!window) return nullptr;
        const QString name = QStringLiteral("lastStatisticChoices");
        auto* kept = window->findChild<LastChoices*>(name, Qt::FindDirectChildrenOnly);
        if (!kept && make) {
            kept = new LastChoices(window);
            kept->setObjectName(name);
        }
        return kept;
    }
};

}  // namespace

StatisticDialog::StatisticDialog(QWidget* parent) : QDialog(parent) {
    fromDate = createDateEdit(this, "fromDate");
    toDate = createDateEdit(this, "toDate");

    fromLabel = new QLabel(tr("&From"), this);
    toLabel = new QLabel(tr("&To"), this);
    typeLabel = new QLabel(tr("Select T&ypes"), this);
    //: Label of the list of Income, Outgoing and ALL
    inOutLabel = new QLabel(tr("Select &In/Out"), this);

    typeListBox = new QListWidget(this);
    typeListBox->setObjectName(QStringLiteral("typeListBox"));
    typeListBox->setSelectionMode(QAbstractItemView::MultiSelection);
    inOutListBox = new QListWidget(this);
    inOutListBox->setObjectName(QStringLiteral("inOutListBox"));
    inOutListBox->setSelectionMode(QAbstractItemView::MultiSelection);

    okButton = new QPushButton(tr("OK"), this);
    closeButton = new QPushButton(tr("Close"), this);

    typeLayout = new QVBoxLayout;
    typeLayout->addWidget(typeLabel);
    typeLayout->addWidget(typeListBox);

    inOutLayout = new QVBoxLayout;
    inOutLayout->addWidget(inOutLabel);
    inOutLayout->addWidget(inOutListBox);

    fromLayout = new QHBoxLayout;
    fromLayout->addWidget(fromLabel);
    fromLayout->addSpacing(2);
    fromLayout->addWidget(fromDate);

    toLayout = new QHBoxLayout;
    toLayout->addWidget(toLabel);
    toLayout->addSpacing(2);
    toLayout->addWidget(toDate);

    // Beside the dates, ranges that set both in one step. Nothing is chosen
    // at first: the dates start at today.
    rangeLabel = new QLabel(tr("&Range"), this);
    rangeCombo = new QComboBox(this);
    rangeCombo->setObjectName(QStringLiteral("rangeCombo"));
    rangeCombo->setPlaceholderText(tr("Custom"));
    rangeCombo->addItems({tr("This month"), tr("Last month"), tr("This year"), tr("Last year"), tr("Whole book")});
    rangeCombo->setCurrentIndex(-1);
    rangeLayout = new QHBoxLayout;
    rangeLayout->addWidget(rangeLabel);
    rangeLayout->addSpacing(2);
    rangeLayout->addWidget(rangeCombo, 1);

    dateLayout = new QVBoxLayout;
    dateLayout->addLayout(rangeLayout);
    dateLayout->addLayout(fromLayout);
    dateLayout->addLayout(toLayout);

    buttonLayout = new QVBoxLayout;
    buttonLayout->addWidget(okButton);
    buttonLayout->addWidget(closeButton);

    mainLayout = new QHBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->addLayout(typeLayout);
    mainLayout->addLayout(inOutLayout);
    mainLayout->addLayout(dateLayout);
    mainLayout->addLayout(buttonLayout);
    // The lists are tall; the dates and buttons stay together at the top
    // rather than spread over their height.
    mainLayout->setAlignment(dateLayout, Qt::AlignTop);
    mainLayout->setAlignment(buttonLayout, Qt::AlignTop);

    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(typeListBox, &QListWidget::itemSelectionChanged, this, &StatisticDialog::selectAllTypes);
    connect(inOutListBox, &QListWidget::itemSelectionChanged, this, &StatisticDialog::enableOkButton);
    // The analyses that keep a third date in the range connect after these,
    // so the range is in order before they look at it.
    connect(fromDate, &QDateEdit::dateChanged, this, &StatisticDialog::adjustMinToDate);
    connect(toDate, &QDateEdit::dateChanged, this, &StatisticDialog::adjustMaxFromDate);
    connect(rangeCombo, &QComboBox::activated, this, &StatisticDialog::chooseRange);
    connect(fromDate, &QDateEdit::dateChanged, this, &StatisticDialog::forgetRange);
    connect(toDate, &QDateEdit::dateChanged, this, &StatisticDialog::forgetRange);

    inOutListBox->addItem(tr("Income"));
    inOutListBox->addItem(tr("Outgoing"));
    inOutListBox->selectAll();

    // The range first: a quick range is the common start of a question.
    rangeLabel->setBuddy(rangeCombo);
    fromLabel->setBuddy(fromDate);
    toLabel->setBuddy(toDate);
    typeLabel->setBuddy(typeListBox);
    inOutLabel->setBuddy(inOutListBox);
    const QList<QWidget*> order = {rangeCombo, fromDate, toDate, typeListBox, inOutListBox, okButton, closeButton};
    for (qsizetype k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
    rangeCombo->setFocus();
}

void StatisticDialog::done(int result) {
    if (LastChoices* choices = LastChoices::of(parentWidget(), true)) {
        choices->rangeKind = rangeCombo->currentIndex();
        choices->first = fromDate->date();
        choices->last = toDate->date();
        const KestLib::Selection chosen = selection();
        choices->allTypes = chosen.allTypes;
        choices->typeIds.clear();
        for (int id = 0; id < KestLib::TypeIdTable::capacity; ++id)
            if (chosen.types.test(static_cast<std::size_t>(id))) choices->typeIds.push_back(id);
    }
    QDialog::done(result);
}

void StatisticDialog::offerLastChoices() {
    const LastChoices* choices = LastChoices::of(parentWidget(), false);
    if (!choices) return;
    if (choices->rangeKind >= 0) {
        rangeCombo->setCurrentIndex(choices->rangeKind);
        chooseRange(choices->rangeKind);
    } else {
        applyRange(choices->first, choices->last);
    }
    // "ALL" selects every row by itself.
    if (choices->allTypes) typeListBox->item(0)->setSelected(true);
    for (int row = 1; row < typeListBox->count() && !choices->allTypes; ++row) {
        QListWidgetItem* item = typeListBox->item(row);
        const int id = item->data(typeIdRole).toInt();
        if (std::find(choices->typeIds.begin(), choices->typeIds.end(), id) != choices->typeIds.end())
            item->setSelected(true);
    }
}

QDateEdit* StatisticDialog::createDateEdit(QWidget* parent, const char* objectName) {
    auto* edit = new BookDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

void StatisticDialog::setDB(const KestLib::AccountDB* database) {
    db = database;
    typeListBox->addItem(tr("ALL"));
    for (int position = 0; position < db->typeCount(); ++position) {
        const KestLib::TransType& type = db->typeAt(position);
        auto* row = new QListWidgetItem(TransactionColumns::storedText(*db, type.name()));
        row->setData(typeIdRole, type.id());
        typeListBox->addItem(row);
        rowOfType[static_cast<std::size_t>(type.id())] = typeListBox->count() - 1;
    }
    offerLastChoices();
}

void StatisticDialog::setPrompts(UserPrompts* replacement) { prompts = replacement; }

void StatisticDialog::setToday(const QDate& date) { fixedToday = date; }

QDate StatisticDialog::today() const { return fixedToday.isValid() ? fixedToday : QDate::currentDate(); }

void StatisticDialog::chooseRange(int kind) {
    if (!db || kind < 0 || kind >= QuickRange::kindCount) return;
    const std::optional<QuickRange::Span> span = QuickRange::span(static_cast<QuickRange::Kind>(kind), today(), *db);
    if (!span) {
        // A book without transactions has no whole span; the dates stay.
        rangeCombo->setCurrentIndex(-1);
        return;
    }
    settingRange = true;
    applyRange(span->first, span->last);
    settingRange = false;
}

void StatisticDialog::applyRange(const QDate& first, const QDate& last) {
    // To first: whichever way the range moves, From then never passes To,
    // so neither date drags the other off its new day.
    toDate->setDate(last);
    fromDate->setDate(first);
}

void StatisticDialog::forgetRange() {
    if (!settingRange) rangeCombo->setCurrentIndex(-1);
}

void StatisticDialog::selectAllTypes() {
    if (selectingAll || typeListBox->count() == 0) return;
    selectingAll = true;
    if (typeListBox->item(0)->isSelected())
        typeListBox->selectAll();
    else if (typeListBox->currentRow() == 0)  // "ALL" has just been cleared
        typeListBox->clearSelection();
    selectingAll = false;
}

void StatisticDialog::enableOkButton() {
    okButton->setEnabled(inOutListBox->item(0)->isSelected() || inOutListBox->item(1)->isSelected());
}

void StatisticDialog::adjustMinToDate(const QDate& date) {
    if (date > toDate->date()) toDate->setDate(date);
}

void StatisticDialog::adjustMaxFromDate(const QDate& date) {
    if (date < fromDate->date()) fromDate->setDate(date);
}

std::int32_t StatisticDialog::dateCode(const QDate& date) {
    return KestLib::packDate(date.year(), date.month(), date.day());
}

KestLib::Selection StatisticDialog::selection() const {
    const bool income = inOutListBox->item(0)->isSelected();
    const bool outgoing = inOutListBox->item(1)->isSelected();
    KestLib::Selection chosen{{dateCode(fromDate->date()), dateCode(toDate->date())},
                              income && outgoing ? KestLib::InOutSelector::Both
                              : income           ? KestLib::InOutSelector::Income
                                                 : KestLib::InOutSelector::Outgoing};
    if (typeListBox->count() > 0 && typeListBox->item(0)->isSelected()) return chosen;
    chosen.allTypes = false;
    for (int row = 1; row < typeListBox->count(); ++row)
        if (typeListBox->item(row)->isSelected()) chosen.chooseType(typeListBox->item(row)->data(typeIdRole).toInt());
    return chosen;
}

QString StatisticDialog::shownTypeName(int id) const {
    const int row = id >= 0 && id < KestLib::TypeIdTable::capacity ? rowOfType[static_cast<std::size_t>(id)] : 0;
    if (row > 0) return typeListBox->item(row)->text();
    // A type added after the list was filled, which only "ALL" takes.
    return TransactionColumns::storedText(*db, db->typeById(id).name());
}

QString StatisticDialog::decimal(std::int64_t value) { return QString::number(static_cast<qlonglong>(value)); }

QString StatisticDialog::amount(std::int64_t minorUnits) const { return AmountText::of(minorUnits, db->decimals()); }

UserPrompts& StatisticDialog::shownPrompts() const { return prompts ? *prompts : messageBoxes(); }

ChartData StatisticDialog::chartData() const {
    const KestLib::Selection chosen = selection();
    const KestLib::PercentageFigures figures = KestLib::percentageAnalysis(*db, chosen);
    QStringList names;
    for (const KestLib::TypeShare& share : figures.shares) names << shownTypeName(share.typeId);
    return ChartData(figures, names, KestLib::monthlyInOut(*db, chosen), chosen.inOut, db->decimals());
}

void StatisticDialog::showReport(const QString& caption, const std::function<QString()>& buildReport, bool offerChart) {
    if (!db) return;
    UserPrompts& shown = shownPrompts();
    QString report;
    try {
        report = buildReport();
    } catch (const KestLib::ErrorMsg& error) {
        // Nothing may unwind through the dialog's event loop; the user can
        // change the choices and run again.
        warnUser(shown, this, coreMessageText(error, db->format()));
        return;
    }
    if (!offerChart)
        shown.inform(this, caption, report);
    else if (shown.informWithChart(this, caption, report, tr("Chart")))
        emit chartRequested();
}
