#include "ui/find/filterbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "core/accountdb.h"
#include "core/transaction.h"
#include "ui/book/book.h"
#include "ui/book/transactioncolumns.h"
#include "ui/widgets/bookdateedit.h"

using KestLib::TypeIdTable;

namespace {

// The in/out choice's items, as the selection's values.
constexpr int bothInOut = static_cast<int>(KestLib::InOutSelector::Both);
constexpr int incomeOnly = static_cast<int>(KestLib::InOutSelector::Income);
constexpr int outgoingOnly = static_cast<int>(KestLib::InOutSelector::Outgoing);

QDateEdit* createDateEdit(QWidget* parent, const char* objectName) {
    auto* edit = new BookDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

std::int32_t dateCode(const QDate& date) { return KestLib::packDate(date.year(), date.month(), date.day()); }

}  // namespace

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("filterBar"));
    textLabel = new QLabel(this);
    textEdit = new QLineEdit(this);
    textEdit->setObjectName(QStringLiteral("findText"));
    textEdit->setClearButtonEnabled(true);
    textEdit->setMinimumWidth(80);
    textLabel->setBuddy(textEdit);
    textEdit->installEventFilter(this);
    typeBox = new QComboBox(this);
    typeBox->setObjectName(QStringLiteral("findType"));
    // A long type name must not widen the window; the box is as wide as
    // its first item, set in each language.
    typeBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    inOutBox = new QComboBox(this);
    inOutBox->setObjectName(QStringLiteral("findInOut"));
    // Its three items are the program's own: they always fit, in any language.
    inOutBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    datesBox = new QCheckBox(this);
    datesBox->setObjectName(QStringLiteral("findDates"));
    firstDate = createDateEdit(this, "findFirstDate");
    toLabel = new QLabel(this);
    lastDate = createDateEdit(this, "findLastDate");
    closeButton = new QToolButton(this);
    closeButton->setObjectName(QStringLiteral("findClose"));
    closeButton->setAutoRaise(true);
    closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));

    // Short lines, so that the bar is never wider than a narrow table and
    // no box cuts its words in any language: the text, the choices, the dates.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(textLabel, 0, 0);
    auto* textLine = new QHBoxLayout;
    textLine->setSpacing(4);
    textLine->addWidget(textEdit, 1);
    textLine->addWidget(closeButton);
    layout->addLayout(textLine, 0, 1);
    auto* choiceLine = new QHBoxLayout;
    choiceLine->setSpacing(4);
    choiceLine->addWidget(typeBox);
    choiceLine->addWidget(inOutBox);
    choiceLine->addStretch(1);
    layout->addLayout(choiceLine, 1, 0, 1, 2);
    auto* dateLine = new QHBoxLayout;
    dateLine->setSpacing(4);
    dateLine->addWidget(datesBox);
    dateLine->addWidget(firstDate);
    dateLine->addWidget(toLabel);
    dateLine->addWidget(lastDate);
    dateLine->addStretch(1);
    layout->addLayout(dateLine, 2, 0, 1, 2);

    typing.setSingleShot(true);
    typing.setInterval(typingPause);
    connect(&typing, &QTimer::timeout, this, &FilterBar::searchChanged);
    connect(textEdit, &QLineEdit::textChanged, this, &FilterBar::typed);
    connect(typeBox, &QComboBox::activated, this, &FilterBar::chosen);
    connect(inOutBox, &QComboBox::activated, this, &FilterBar::chosen);
    connect(datesBox, &QCheckBox::toggled, this, [this](bool on) {
        firstDate->setEnabled(on);
        lastDate->setEnabled(on);
        chosen();
    });
    // The range never turns round: each end bounds the other.
    connect(firstDate, &QDateEdit::dateChanged, this, [this](QDate date) {
        lastDate->setMinimumDate(date);
        if (datesBox->isChecked()) chosen();
    });
    connect(lastDate, &QDateEdit::dateChanged, this, [this](QDate date) {
        firstDate->setMaximumDate(date);
        if (datesBox->isChecked()) chosen();
    });
    connect(closeButton, &QToolButton::clicked, this, &FilterBar::closeBar);
    // Anywhere in the window while the bar shows; a hidden bar's shortcut is off.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &FilterBar::closeBar);

    resetFields();
    retranslate();
    hide();
}

void FilterBar::setBook(const Book& book) {
    db = &book.database();
    updateTypes();
    connect(&book, &Book::typesChanged, this, &FilterBar::updateTypes);
    connect(&book, &Book::reset, this, &FilterBar::updateTypes);
}

void FilterBar::updateTypes() {
    const QVariant chosenId = typeBox->currentData();
    {
        const QSignalBlocker blocker(typeBox);
        typeBox->clear();
        typeBox->addItem(tr("All types"), -1);
        if (db) {
            for (int position = 0; position < db->typeCount(); ++position) {
                const int id = db->typeAt(position).id();
                typeBox->addItem(TransactionColumns::typeText(*db, id), id);
            }
        }
        const int item = chosenId.isValid() ? typeBox->findData(chosenId) : 0;
        typeBox->setCurrentIndex(std::max(item, 0));
    }
    // The chosen type is gone: every type is shown now.
    if (chosenId.isValid() && typeBox->currentData() != chosenId && isVisible()) emit searchChanged();
}

void FilterBar::retranslate() {
    // Not F: the File menu has it.
    textLabel->setText(tr("F&ind:"));
    textEdit->setPlaceholderText(tr("Comment or type"));
    closeButton->setToolTip(tr("Close the find bar (Esc)"));
    datesBox->setText(tr("From"));
    toLabel->setText(tr("to"));
    const int inOut = inOutBox->currentIndex();
    inOutBox->clear();
    inOutBox->addItem(tr("Income and outgoing"), bothInOut);
    inOutBox->addItem(tr("Income only"), incomeOnly);
    inOutBox->addItem(tr("Outgoing only"), outgoingOnly);
    inOutBox->setCurrentIndex(std::max(inOut, 0));
    // The type names may be translated too.
    updateTypes();
    typeBox->setMinimumContentsLength(std::max(6, static_cast<int>(typeBox->itemText(0).size())));
}

void FilterBar::open() {
    updateTypes();
    const bool wasHidden = isHidden();
    show();
    textEdit->setFocus(Qt::ShortcutFocusReason);
    textEdit->selectAll();
    // Nothing asked yet, but a text may follow: the table gets ready for it.
    if (wasHidden) emit searchChanged();
}

void FilterBar::closeBar() {
    // Asking or not, no text follows now.
    const bool wasShown = !isHidden();
    hide();
    resetFields();
    if (wasShown) emit searchChanged();
}

PwText::TransactionSearch FilterBar::search() const {
    PwText::TransactionSearch asked;
    if (isHidden()) return asked;
    asked.textMayFollow = true;
    asked.setText(textEdit->text());
    asked.selection.inOut = static_cast<KestLib::InOutSelector>(inOutBox->currentData().toInt());
    const int typeId = typeBox->currentData().toInt();
    if (typeId >= 0 && typeId < TypeIdTable::capacity) {
        asked.selection.allTypes = false;
        asked.selection.types.set(static_cast<std::size_t>(typeId));
    }
    if (datesBox->isChecked()) {
        asked.selection.range = {dateCode(firstDate->date()), dateCode(lastDate->date())};
    }
    return asked;
}

void FilterBar::typed() { typing.start(); }

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            // The rows shown are those of the text typed so far.
            if (typing.isActive()) {
                typing.stop();
                emit searchChanged();
            }
            emit rowsWanted();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FilterBar::chosen() {
    if (isHidden()) return;
    // A pending text goes with the choice.
    typing.stop();
    emit searchChanged();
}

void FilterBar::resetFields() {
    typing.stop();
    const QSignalBlocker blockText(textEdit);
    const QSignalBlocker blockDates(datesBox);
    const QSignalBlocker blockFirst(firstDate);
    const QSignalBlocker blockLast(lastDate);
    textEdit->clear();
    typeBox->setCurrentIndex(0);
    inOutBox->setCurrentIndex(0);
    datesBox->setChecked(false);
    firstDate->setEnabled(false);
    lastDate->setEnabled(false);
    // This year so far, a start for the common question.
    const QDate today = QDate::currentDate();
    firstDate->setMaximumDate(BookDateEdit::latest());
    lastDate->setMinimumDate(BookDateEdit::earliest());
    firstDate->setDate(QDate(today.year(), 1, 1));
    lastDate->setDate(today);
    firstDate->setMaximumDate(lastDate->date());
    lastDate->setMinimumDate(firstDate->date());
}
