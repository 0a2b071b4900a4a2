#include "ui/transactions/transactiondialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QValidator>
#include <algorithm>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "text/booktext.h"
#include "ui/book/book.h"
#include "ui/book/formatquestion.h"
#include "ui/book/transactioncolumns.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/userprompts.h"
#include "ui/prompts/warnuser.h"
#include "ui/transactions/commentsuggestions.h"
#include "ui/transactions/transactionindexlistmodel.h"
#include "ui/transactions/typecombobox.h"
#include "ui/transactions/typedamount.h"
#include "ui/widgets/amounttext.h"
#include "ui/widgets/amountvalidator.h"
#include "ui/widgets/bookdateedit.h"
#include "ui/widgets/dropdownliststyle.h"

namespace {

// Wide enough for any index an int holds; the box itself is as wide as the
// fields below it.
constexpr int indexDigits = 10;

}  // namespace

TransactionDialog::TransactionDialog(QWidget* parent) : QDialog(parent) {
    indexCombo = new QComboBox(this);
    indexCombo->setObjectName(QStringLiteral("indexCombo"));
    indexModel = new TransactionIndexListModel(this);
    indexCombo->setModel(indexModel);
    // Sizing to the contents would measure every index of the book.
    indexCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    indexCombo->setMinimumContentsLength(indexDigits);
    if (auto* list = qobject_cast<QListView*>(indexCombo->view())) list->setUniformItemSizes(true);
    // Not owned by the box; a child of the dialog made after the box goes after it.
    auto* listStyle = new DropDownListStyle;
    listStyle->setParent(this);
    indexCombo->setStyle(listStyle);
    inOutCombo = new QComboBox(this);
    inOutCombo->setObjectName(QStringLiteral("inOutCombo"));
    typeCombo = new TypeComboBox(this);
    typeCombo->setObjectName(QStringLiteral("typeCombo"));

    dateDateEdit = new BookDateEdit(QDate::currentDate(), this);
    dateDateEdit->setObjectName(QStringLiteral("dateDateEdit"));

    typeLabel = new QLabel(tr("Type"), this);
    //: Label of the box for the transaction's amount
    moneyLabel = new QLabel(tr("Money"), this);
    commentLabel = new QLabel(tr("Comment"), this);

    moneyLineEdit = new QLineEdit(this);
    moneyLineEdit->setObjectName(QStringLiteral("moneyLineEdit"));
    moneyLineEdit->setValidator(AmountValidator::forBook(0, this));
    commentLineEdit = new QLineEdit(this);
    commentLineEdit->setObjectName(QStringLiteral("commentLineEdit"));

    addButton = new QPushButton(tr("&Add"), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    deleteButton = new QPushButton(tr("&Delete"), this);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    // Reached by their letters: Tab goes from the type to the amount, and
    // Enter on a button Tab passed over never deletes a type.
    addButton->setFocusPolicy(Qt::ClickFocus);
    deleteButton->setFocusPolicy(Qt::ClickFocus);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    okButton->setDefault(true);

    indexModel->setPrompt(tr("Select a transaction"));
    inOutCombo->addItems({//: The box's first item, a prompt: choose income or outgoing
                          tr("In/Out"), tr("Income"), tr("Outgoing")});
    typeCombo->addItem(tr("Select/Add a type"));
    setTypeEditable(true);

    dateTypeLayout = new QHBoxLayout;
    dateTypeLayout->addWidget(dateDateEdit);
    dateTypeLayout->addSpacing(10);
    dateTypeLayout->addWidget(typeLabel);
    dateTypeLayout->addSpacing(2);
    dateTypeLayout->addWidget(typeCombo);
    dateTypeLayout->addWidget(addButton);
    dateTypeLayout->addWidget(deleteButton);

    moneyLayout = new QHBoxLayout;
    moneyLayout->addWidget(moneyLabel);
    moneyLayout->addSpacing(2);
    moneyLayout->addWidget(moneyLineEdit);
    moneyLayout->addWidget(inOutCombo);

    commentLayout = new QHBoxLayout;
    commentLayout->addWidget(commentLabel);
    commentLayout->addSpacing(2);
    commentLayout->addWidget(commentLineEdit);

    fieldLayout = new QVBoxLayout;
    fieldLayout->addWidget(indexCombo);
    fieldLayout->addSpacing(5);
    fieldLayout->addLayout(dateTypeLayout);
    fieldLayout->addSpacing(5);
    fieldLayout->addLayout(moneyLayout);
    fieldLayout->addSpacing(5);
    fieldLayout->addLayout(commentLayout);

    buttonLayout = new QVBoxLayout;
    buttonLayout->addWidget(okButton);
    buttonLayout->addWidget(cancelButton);
    // OK and Cancel stay together at the top however tall the fields are.
    buttonLayout->addStretch();

    mainLayout = new QHBoxLayout(this);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
    mainLayout->addLayout(fieldLayout);
    mainLayout->addLayout(buttonLayout);

    setTabOrder(indexCombo, dateDateEdit);
    setTabOrder(dateDateEdit, typeCombo);
    setTabOrder(typeCombo, addButton);
    setTabOrder(addButton, deleteButton);
    setTabOrder(deleteButton, moneyLineEdit);
    setTabOrder(moneyLineEdit, inOutCombo);
    setTabOrder(inOutCombo, commentLineEdit);
    setTabOrder(commentLineEdit, okButton);
    setTabOrder(okButton, cancelButton);

    addButton->setEnabled(false);
    deleteButton->setEnabled(false);
    enableOkButton();

    connect(okButton, &QPushButton::clicked, this, &TransactionDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &TransactionDialog::reject);
    connect(typeCombo, &QComboBox::editTextChanged, this,
            qOverload<const QString&>(&TransactionDialog::enableTypeButtons));
    connect(typeCombo, &QComboBox::activated, this, qOverload<int>(&TransactionDialog::enableTypeButtons));
    connect(typeCombo, &QComboBox::activated, this, &TransactionDialog::enableOkButton);
    connect(addButton, &QPushButton::clicked, this, &TransactionDialog::addType);
    connect(typeCombo, &TypeComboBox::newNameEntered, this, &TransactionDialog::addType);
    connect(deleteButton, &QPushButton::clicked, this, &TransactionDialog::delType);
    connect(inOutCombo, &QComboBox::activated, this, &TransactionDialog::enableOkButton);
    connect(moneyLineEdit, &QLineEdit::textChanged, this, &TransactionDialog::enableOkButton);
    connect(commentLineEdit, &QLineEdit::textChanged, this, &TransactionDialog::enableOkButton);
}

void TransactionDialog::startOn(const QDate& date) { dateDateEdit->setDate(date); }

void TransactionDialog::setBook(Book* shown) {
    book = shown;
    db = shown ? &shown->database() : nullptr;
    textRoom.show(book, db);
    fitAmountBox();
}

void TransactionDialog::setDB(const KestLib::AccountDB* database) {
    book = nullptr;
    db = database;
    textRoom.show(nullptr, db);
    fitAmountBox();
}

void TransactionDialog::fitAmountBox() { ::fitAmountBox(*moneyLineEdit, db, boxDecimals); }

int TransactionDialog::decimals() const { return db ? db->decimals() : 0; }

std::optional<int> TransactionDialog::readAmount(const QString& text) const { return typedAmount(text, decimals()); }

void TransactionDialog::setPrompts(UserPrompts* replacement) {
    prompts = replacement;
    textRoom.setPrompts(replacement);
}

void TransactionDialog::setMode(int newMode) {
    fitAmountBox();
    fillTypeCombo();
    mode = newMode;

    switch (mode) {
    case CreateMode: {
        setWindowTitle(tr("Create a transaction"));
        // A new transaction gets its index from the database when it is added.
        indexCombo->setEnabled(false);
        okButton->setToolTip(
            tr("Add and next (Ctrl+Return): adds the transaction and opens the next on the same date"));
        const QKeySequence keysOfNext[] = {QKeySequence(Qt::CTRL | Qt::Key_Return),
                                           QKeySequence(Qt::CTRL | Qt::Key_Enter)};
        for (const QKeySequence& keys : keysOfNext)
            connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
                if (!okButton->isEnabled()) return;
                nextWanted = true;
                accept();
                if (result() != Accepted) nextWanted = false;
            });
        break;
    }
    case DeleteMode:
        setWindowTitle(tr("Delete a transaction"));
        pinDate();
        setFieldsEditable(false);
        deleteButton->setEnabled(false);
        fillIndexCombo();
        connect(indexCombo, &QComboBox::activated, this, &TransactionDialog::deleteTrans);
        break;
    case ModifyMode:
        setWindowTitle(tr("Modify a transaction"));
        setFieldsEditable(false);
        fillIndexCombo();
        connect(indexCombo, &QComboBox::activated, this, &TransactionDialog::modifyTrans);
        break;
    case DeleteOneMode:
        setWindowTitle(tr("Delete this transaction"));
        pinDate();
        indexCombo->setEnabled(false);
        setFieldsEditable(false);
        deleteButton->setEnabled(false);
        okButton->setEnabled(true);
        disconnect(typeCombo, &QComboBox::activated, this, &TransactionDialog::enableOkButton);
        disconnect(inOutCombo, &QComboBox::activated, this, &TransactionDialog::enableOkButton);
        disconnect(moneyLineEdit, &QLineEdit::textChanged, this, &TransactionDialog::enableOkButton);
        break;
    case ModifyOneMode:
        setWindowTitle(tr("Modify this transaction"));
        indexCombo->setEnabled(false);
        setTypeEditable(false);
        addButton->setEnabled(false);
        okButton->setEnabled(true);
        break;
    default: break;
    }
    if (readsFields()) {
        auto* suggestions = new CommentSuggestions(commentLineEdit, db);
        connect(suggestions, &CommentSuggestions::chosen, this, &TransactionDialog::fillFromEarlier);
    }
}

// Item 0 is the prompt; each type follows in list order, carrying its id, so
// that what is chosen never depends on how its name is shown.
void TransactionDialog::fillTypeCombo() {
    for (int position = 0; position < db->typeCount(); ++position) {
        const KestLib::TransType& type = db->typeAt(position);
        typeCombo->addItem(TransactionColumns::storedText(*db, type.name()), type.id());
    }
}

void TransactionDialog::fillIndexCombo() { indexModel->listTransactions(db); }

// The delete modes show a transaction, never change it: the date box keeps
// the one date it shows.
void TransactionDialog::pinDate() {
    const QDate shown = dateDateEdit->date();
    dateDateEdit->setDateRange(shown, shown);
}

void TransactionDialog::showTransaction(int index) {
    const KestLib::Transaction& record = db->transaction(index, true);
    const bool pinned = mode == DeleteMode || mode == DeleteOneMode;
    if (pinned) dateDateEdit->setDateRange(BookDateEdit::earliest(), BookDateEdit::latest());
    dateDateEdit->setBookDate({record.year(), record.month(), record.day()});
    if (pinned) pinDate();
    moneyLineEdit->setText(AmountText::of(record.amount(), decimals()));
    inOutCombo->setCurrentIndex(record.isIncome() ? 1 : 2);
    typeCombo->setCurrentIndex(std::max(0, typeCombo->findData(record.type())));
    commentLineEdit->setText(TransactionColumns::storedText(*db, record.comment()));

    // Whether the comment changed decides whether its connection ran the OK
    // rule; the modes that start with OK on must not depend on that.
    if (mode == DeleteOneMode)
        okButton->setEnabled(true);
    else if (mode == ModifyOneMode)
        enableOkButton();
}

int TransactionDialog::index() const { return indexCombo->currentText().toInt(); }
int TransactionDialog::year() const { return dateDateEdit->bookDate().year; }
int TransactionDialog::month() const { return dateDateEdit->bookDate().month; }
int TransactionDialog::day() const { return dateDateEdit->bookDate().day; }
int TransactionDialog::money() const { return readAmount(moneyLineEdit->text()).value_or(0); }
bool TransactionDialog::isIncome() const { return inOutCombo->currentIndex() == 1; }
QString TransactionDialog::comment() const { return commentLineEdit->text(); }
std::string TransactionDialog::storedComment() const { return textRoom.storedBytes(comment()); }

int TransactionDialog::typeId() const {
    // The chosen item names its type by id; a text typed over it names a type
    // by its name.
    const int item = typeCombo->currentIndex();
    if (item > 0 && typeCombo->currentText() == typeCombo->itemText(item)) return typeCombo->itemData(item).toInt();
    return db->findType(textRoom.storedBytes(typeCombo->currentText())).id();
}

void TransactionDialog::accept() {
    if (!dateDateEdit->commitTyping()) return;
    if (readsFields()) {
        try {
            (void)typeId();
        } catch (const KestLib::ErrorMsg& error) {
            warnUser(prompts, this, coreMessageText(error, db->format()));
            return;
        }
        if (!roomForFields()) return;
    }
    QDialog::accept();
}

bool TransactionDialog::roomForFields() {
    // The amount first: converting for cents makes room for any text too, so a book is asked once.
    if (const int digits = decimalDigits(moneyLineEdit->text()); digits > 0) {
        const FormatRoom room = FormatQuestion::forDecimals(book, prompts, this, digits);
        // Nine digits and cents can be more than an amount holds.
        const bool fits = room != FormatRoom::Made || money() != 0;
        if (room == FormatRoom::None || !fits)
            warnUser(prompts, this,
                     coreMessageText(KestLib::ErrorMsg(fits ? KestLib::ErrorCode::amountLosesDigits
                                                            : KestLib::ErrorCode::amountTooLarge)));
        if (room != FormatRoom::Made || !fits) return false;
    }
    return textRoom.makeRoom(comment(), PwText::StoredTextKind::Comment);
}

bool TransactionDialog::readsFields() const {
    return mode == CreateMode || mode == ModifyMode || mode == ModifyOneMode;
}

bool TransactionDialog::showChosenTransaction(int item) {
    if (item <= 0) {
        clearContent(0);
        okButton->setEnabled(false);
        return false;
    }
    try {
        showTransaction(indexCombo->itemText(item).toInt());
    } catch (const KestLib::ErrorMsg& error) {
        warnUser(prompts, this, coreMessageText(error, db->format()));
        return false;
    }
    return true;
}

void TransactionDialog::deleteTrans(int index) {
    if (showChosenTransaction(index)) okButton->setEnabled(true);
}

void TransactionDialog::modifyTrans(int index) {
    if (!showChosenTransaction(index)) return;
    setFieldsEditable(true);
    deleteButton->setEnabled(offersDelete(typeCombo->currentIndex()));
    okButton->setEnabled(true);
}

void TransactionDialog::setFieldsEditable(bool editable) {
    typeCombo->setEnabled(editable);
    addButton->setEnabled(editable);
    moneyLineEdit->setReadOnly(!editable);
    inOutCombo->setEnabled(editable);
    commentLineEdit->setReadOnly(!editable);
}

void TransactionDialog::addType() {
    const QString name = typeCombo->currentText();
    // A converted book holds the name by format 2's limits only once asked again.
    if (!textRoom.makeRoom(name, PwText::StoredTextKind::Name) ||
        !textRoom.acceptable(name, PwText::StoredTextKind::Name))
        return;
    if (!book || !confirmNewName(name)) return;
    try {
        const std::string bytes = textRoom.storedBytes(name);
        const int id = book->addType(bytes);
        typeCombo->addItem(TransactionColumns::storedText(*db, bytes), id);
    } catch (const KestLib::ErrorMsg& error) {
        warnUser(prompts, this, coreMessageText(error, db->format()));
        return;
    }
    typeCombo->setCurrentIndex(typeCombo->count() - 1);
    enableTypeButtons(typeCombo->currentIndex());
    enableOkButton();
}

void TransactionDialog::delType() {
    if (!book) return;
    int id = 0;
    try {
        id = typeId();
        book->deleteType(id);
    } catch (const KestLib::ErrorMsg& error) {
        warnUser(prompts, this, coreMessageText(error, db->format()));
        return;
    }
    typeCombo->removeItem(typeCombo->findData(id));
    // Back at the prompt: the box never moves on to a type the user didn't choose.
    typeCombo->setCurrentIndex(0);
    enableTypeButtons(0);
    enableOkButton();
}

bool TransactionDialog::confirmNewName(const QString& name) {
    const int item = typeCombo->listedItem(name);
    if (item < 0 || typeCombo->itemText(item) == name) return true;
    const QString question =
        tr("There is a type \"%1\". Add \"%2\" as another type?").arg(typeCombo->itemText(item), name);
    if (prompts) return prompts->askOverwrite(this, tr("Add a type"), question);
    return QMessageBox::question(this, tr("Add a type"), question) == QMessageBox::Yes;
}

void TransactionDialog::clearContent(int index) {
    if (index > 0) return;
    typeCombo->setCurrentIndex(0);
    if (typeCombo->isEditable()) typeCombo->clearEditText();
    typeCombo->setEnabled(false);
    addButton->setEnabled(false);
    deleteButton->setEnabled(false);
    inOutCombo->setCurrentIndex(0);
    inOutCombo->setEnabled(false);
    moneyLineEdit->clear();
    moneyLineEdit->setReadOnly(true);
    commentLineEdit->clear();
    commentLineEdit->setReadOnly(false);
}

void TransactionDialog::enableOkButton() {
    okButton->setEnabled(typeCombo->currentIndex() > 0 && inOutCombo->currentIndex() > 0 &&
                         moneyLineEdit->hasAcceptableInput());
}

void TransactionDialog::enableTypeButtons(int index) {
    addButton->setEnabled(false);
    // The prompt: the user types a new type's name in its place.
    setTypeEditable(index == 0);
    deleteButton->setEnabled(offersDelete(index));
}

// The nameless type every new book starts with stays. It is known by its
// name, not its place: older and crafted books have none, and their first
// type is deleted like any other.
bool TransactionDialog::offersDelete(int item) const {
    if (item <= 0 || item >= typeCombo->count()) return false;
    const int id = typeCombo->itemData(item).toInt();
    for (int position = 0; position < db->typeCount(); ++position)
        if (db->typeAt(position).id() == id) return !db->typeAt(position).name().empty();
    return false;
}

void TransactionDialog::enableTypeButtons(const QString& typeName) {
    // A locked box changes only when a transaction is shown; that is no name
    // typed for Add.
    if (!typeCombo->isEnabled()) return;
    addButton->setEnabled(!typeName.isEmpty());
    if (typeCombo->currentIndex() <= 0) okButton->setEnabled(false);
}

// While the prompt is chosen the box is empty and shows the prompt as a
// placeholder, so a typed name never runs on from the prompt's text and the
// prompt itself is never offered to Add.
void TransactionDialog::setTypeEditable(bool editable) {
    if (typeCombo->isEditable() != editable) {
        typeCombo->setEditable(editable);
        if (editable) {
            typeCombo->completeFromTypes();
            typeCombo->lineEdit()->setPlaceholderText(typeCombo->itemText(0));
        }
    }
    if (editable && typeCombo->currentIndex() == 0) typeCombo->clearEditText();
}

void TransactionDialog::fillFromEarlier(int position) {
    const KestLib::Transaction& earlier = db->transaction(position, false);
    if (typeCombo->isEnabled() && typeCombo->currentIndex() == 0 && typeCombo->currentText().isEmpty()) {
        const int item = typeCombo->findData(earlier.type());
        if (item > 0) {
            typeCombo->setCurrentIndex(item);
            enableTypeButtons(item);
        }
    }
    if (inOutCombo->isEnabled() && inOutCombo->currentIndex() == 0)
        inOutCombo->setCurrentIndex(earlier.isIncome() ? 1 : 2);
    if (!moneyLineEdit->isReadOnly() && moneyLineEdit->text().isEmpty()) {
        // An older book may hold an amount the box doesn't take.
        QString amount = AmountText::of(earlier.amount(), decimals());
        int cursor = 0;
        if (moneyLineEdit->validator()->validate(amount, cursor) == QValidator::Acceptable)
            moneyLineEdit->setText(amount);
    }
    enableOkButton();
}
