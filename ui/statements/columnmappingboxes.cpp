#include "ui/statements/columnmappingboxes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>

using PwText::StatementField;

namespace {

struct FieldEntry {
    StatementField field;
    const char* text;
};

constexpr FieldEntry fieldEntries[] = {
    {StatementField::Ignore, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Ignore")},
    {StatementField::Date, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Date")},
    {StatementField::Amount, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Amount")},
    {StatementField::Debit, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Debit (out)")},
    {StatementField::Credit, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Credit (in)")},
    {StatementField::Comment, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Comment")},
    {StatementField::Type, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Type")},
    {StatementField::Direction, QT_TRANSLATE_NOOP("ColumnMappingBoxes", "Direction")},
};

}  // namespace

ColumnMappingBoxes::ColumnMappingBoxes(QWidget* parent) : QWidget(parent), grid(new QGridLayout(this)) {
    grid->setContentsMargins(0, 0, 0, 0);
}

void ColumnMappingBoxes::showColumns(const std::vector<std::string>& names, const std::vector<StatementField>& fields) {
    if (names != shownNames) rebuild(names);
    for (qsizetype column = 0; column < boxes.size(); ++column) {
        const QSignalBlocker quiet(boxes[column]);
        const auto at = static_cast<std::size_t>(column);
        const StatementField field = at < fields.size() ? fields[at] : StatementField::Ignore;
        boxes[column]->setCurrentIndex(boxes[column]->findData(static_cast<int>(field)));
    }
    unboxedFields.assign(names.size() - static_cast<std::size_t>(boxes.size()), StatementField::Ignore);
    for (std::size_t column = static_cast<std::size_t>(boxes.size()); column < std::min(names.size(), fields.size());
         ++column)
        unboxedFields[column - static_cast<std::size_t>(boxes.size())] = fields[column];
}

std::vector<StatementField> ColumnMappingBoxes::fields() const {
    std::vector<StatementField> chosen;
    chosen.reserve(static_cast<std::size_t>(boxes.size()));
    for (const QComboBox* box : boxes) chosen.push_back(static_cast<StatementField>(box->currentData().toInt()));
    chosen.insert(chosen.end(), unboxedFields.begin(), unboxedFields.end());
    return chosen;
}

void ColumnMappingBoxes::rebuild(const std::vector<std::string>& names) {
    // Later, as the box that asked for this may still be sending.
    while (QLayoutItem* item = grid->takeAt(0)) {
        if (QWidget* gone = item->widget()) {
            gone->hide();
            gone->setObjectName(QString());
            gone->disconnect(this);
            gone->deleteLater();
        }
        delete item;
    }
    boxes.clear();
    shownNames = names;
    for (std::size_t column = 0; column < std::min(names.size(), std::size_t{maxBoxes}); ++column) {
        // The name is the file's, not a mnemonic.
        auto* label = new QLabel(QString::fromStdString(names[column]).replace(u'&', QStringLiteral("&&")), this);
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("column%1").arg(column + 1));
        for (const FieldEntry& entry : fieldEntries)
            box->addItem(QCoreApplication::translate("ColumnMappingBoxes", entry.text), static_cast<int>(entry.field));
        label->setBuddy(box);
        // One row: the dialog scrolls it sideways.
        grid->addWidget(label, 0, static_cast<int>(column));
        grid->addWidget(box, 1, static_cast<int>(column));
        connect(box, &QComboBox::currentIndexChanged, this, &ColumnMappingBoxes::fieldsChanged);
        boxes.append(box);
    }
}
