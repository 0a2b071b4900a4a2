#include "ui/booksettings/booksettingsdialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "text/booktext.h"
#include "ui/book/book.h"
#include "ui/book/formatquestion.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/warnuser.h"

namespace {
// The decimals a book may keep, in the order the box offers them.
constexpr int bookDecimals[] = {0, 2, 3};
}  // namespace

BookSettingsDialog::BookSettingsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Book Settings"));
    formatValue = new QLabel(this);
    formatValue->setObjectName(QStringLiteral("formatValue"));
    formatValue->setWordWrap(true);
    // Wide enough that the sentence takes two or three lines, not a column.
    formatValue->setMinimumWidth(formatValue->fontMetrics().averageCharWidth() * 36);
    convertButton = new QPushButton(tr("Con&vert to Format 2"), this);
    convertButton->setObjectName(QStringLiteral("convertButton"));
    convertButton->setAutoDefault(false);
    decimalsCombo = new QComboBox(this);
    decimalsCombo->setObjectName(QStringLiteral("decimalsCombo"));
    for (const int decimals : bookDecimals) decimalsCombo->addItem(QString::number(decimals), decimals);
    nameLineEdit = new QLineEdit(this);
    nameLineEdit->setObjectName(QStringLiteral("nameLineEdit"));
    // Room for a name of sixteen Chinese characters (U+4E2D) in view at once.
    nameLineEdit->setMinimumWidth(nameLineEdit->fontMetrics().horizontalAdvance(QString(16, QChar(0x4E2D))));
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    // The sentence is a field of its own, so that the form gives its wrapped
    // lines their height; the way to format 2 sits under it.
    auto* convertRow = new QHBoxLayout;
    convertRow->addWidget(convertButton);
    convertRow->addStretch(1);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Format:"), formatValue);
    fields->addRow(QString(), convertRow);
    fields->addRow(tr("&Decimals:"), decimalsCombo);
    fields->addRow(tr("&Name:"), nameLineEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    // The wrapped format sentence gets the height its lines need.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(convertButton, &QPushButton::clicked, this, &BookSettingsDialog::convert);
    connect(okButton, &QPushButton::clicked, this, &BookSettingsDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void BookSettingsDialog::setBook(Book& shown) {
    book = &shown;
    nameLineEdit->setText(PwText::BookTextCodec(book->database()).toText(book->database().name()));
    showBook();
}

void BookSettingsDialog::showBook() {
    const KestLib::AccountDB& db = book->database();
    const bool newer = db.format() == 2;
    formatValue->setText(newer ? tr("Format 2: texts in UTF-8, amounts with decimals. Pennywell 1.1 and older "
                                    "can't open it.")
                               : tr("Format 1, which every version of Pennywell reads: texts in Big5, whole "
                                    "amounts."));
    convertButton->setEnabled(!newer);
    decimalsCombo->setCurrentIndex(decimalsCombo->findData(db.decimals()));
    // Format 1 keeps whole amounts; converting comes first.
    decimalsCombo->setEnabled(newer);
}

void BookSettingsDialog::convert() {
    try {
        book->convertToFormat2(0);
    } catch (const KestLib::ErrorMsg& error) {
        warnUser(prompts, this, coreMessageText(error));
        return;
    }
    showBook();
}

void BookSettingsDialog::accept() {
    const KestLib::AccountDB& db = book->database();
    const QString name = nameLineEdit->text();
    const bool renamed = name != PwText::BookTextCodec(db).toText(db.name());
    if (renamed) {
        const FormatRoom room = FormatQuestion::forText(book, prompts, this, name, PwText::StoredTextKind::Name);
        if (room == FormatRoom::None)
            warnUser(prompts, this,
                     tr("The name can't be stored in this book: it is too long or holds a character the book's "
                        "format has no room for."));
        if (room != FormatRoom::Made) return;
        showBook();
    }
    const int decimals = decimalsCombo->currentData().toInt();
    if (decimals != db.decimals()) {
        try {
            book->changeDecimals(decimals);
        } catch (const KestLib::ErrorMsg& error) {
            warnUser(prompts, this, coreMessageText(error));
            return;
        }
    }
    if (renamed) {
        std::string stored;
        FormatQuestion::storable(db.format(), name, PwText::StoredTextKind::Name, &stored);
        book->rename(stored);
    }
    QDialog::accept();
}
