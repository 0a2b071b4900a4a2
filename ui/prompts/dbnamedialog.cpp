#include "ui/prompts/dbnamedialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "text/big5text.h"
#include "ui/prompts/userprompts.h"
#include "ui/prompts/warnuser.h"

namespace {
// The most a stored text may take in the database file.
constexpr int maxNameBytes = 255;
}  // namespace

DBNameDialog::DBNameDialog(QWidget* parent) : QDialog(parent) {
    // Without a title of its own the window system would show the program's name.
    setWindowTitle(tr("Database Name"));
    promptLabel = new QLabel(tr("Enter the database name"), this);
    dbNameLineEdit = new QLineEdit(this);
    dbNameLineEdit->setObjectName(QStringLiteral("dbNameLineEdit"));
    // Room for a name of sixteen Chinese characters (U+4E2D) in view at once.
    dbNameLineEdit->setMinimumWidth(dbNameLineEdit->fontMetrics().horizontalAdvance(QString(16, QChar(0x4E2D))));

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    okButton->setDefault(true);

    fieldLayout = new QVBoxLayout;
    fieldLayout->addWidget(promptLabel);
    fieldLayout->addWidget(dbNameLineEdit);

    buttonLayout = new QVBoxLayout;
    buttonLayout->addWidget(okButton);
    buttonLayout->addWidget(cancelButton);

    mainLayout = new QHBoxLayout(this);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
    mainLayout->addLayout(fieldLayout, 0);
    mainLayout->addLayout(buttonLayout, 0);

    setTabOrder(dbNameLineEdit, okButton);
    setTabOrder(okButton, cancelButton);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void DBNameDialog::setDBName(const QString& name) {
    dbNameLineEdit->setText(name);
    // Typing replaces the name; an arrow key keeps it for editing.
    dbNameLineEdit->selectAll();
}

QString DBNameDialog::dbName() const { return dbNameLineEdit->text(); }

void DBNameDialog::setPrompts(UserPrompts* replacement) { prompts = replacement; }

void DBNameDialog::setFormat(int format) { texts = PwText::BookTextCodec(format); }

QString DBNameDialog::whyNotStorable(const QString& name, PwText::BookTextCodec& texts) {
    const auto codeOf = [](const QString& character) {
        return QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
    };
    if (!texts.storesUtf8()) {
        if (fitsBig5(name, maxNameBytes)) return {};
        const QString character = firstNonBig5Character(name);
        if (!character.isEmpty())
            return tr("The character \"%1\" (U+%2) can't be stored: Big5 has no such character.")
                .arg(character, codeOf(character));
        return tr("The name takes %1 bytes in Big5; at most %2 can be stored.")
            .arg(toBig5(name).size())
            .arg(maxNameBytes);
    }
    std::string stored;
    if (!texts.fromText(name, stored)) {
        for (qsizetype at = 0; at < name.size();) {
            const qsizetype length =
                name.at(at).isHighSurrogate() && at + 1 < name.size() && name.at(at + 1).isLowSurrogate() ? 2 : 1;
            const QString character = name.mid(at, length);
            if (!texts.fromText(character, stored))
                return tr("The character U+%1 can't be stored: a name may hold no control character other than "
                          "the tab, and no code that is no character.")
                    .arg(codeOf(character));
            at += length;
        }
        return tr("The name holds a code that is no character.");
    }
    if (texts.fault(stored, PwText::StoredTextKind::Name) == PwText::StoredTextFault::None) return {};
    return tr("The name is %1 characters long; at most %2 can be stored.")
        .arg(texts.size(stored))
        .arg(texts.limit(PwText::StoredTextKind::Name));
}

void DBNameDialog::accept() {
    const FormatRoom made = room ? room(dbName()) : FormatRoom::None;
    if (made == FormatRoom::Made) {
        QDialog::accept();
        return;
    }
    if (made == FormatRoom::Declined) {
        dbNameLineEdit->setFocus();
        return;
    }
    const QString why = whyNotStorable(dbName(), texts);
    if (why.isEmpty()) {
        QDialog::accept();
        return;
    }
    const QString text = texts.storesUtf8() ? tr("The name can't be stored in this database.")
                                            : tr("The name can't be stored in a Pennywell database file.");
    warnUser(prompts, this, text, why);
    dbNameLineEdit->setFocus();
}
