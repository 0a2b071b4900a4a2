#pragma once

#include <QByteArray>
#include <QDialog>

#include "text/statement.h"
#include "text/statementimport.h"

class ColumnMappingBoxes;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QTableView;
class StatementMappings;
class StatementPreviewModel;
class StatementReadingBoxes;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// File > Import Statement…: shows a bank statement's rows as the book will
// store them, with how the file is read and what the import will do. Every
// choice reads the file's bytes again and plans the import anew; OK is
// offered only for a plan that adds something and has no fault.
class StatementImportDialog : public QDialog {
    Q_OBJECT

public:
    // db is the book the rows go into; it and mappings outlive the dialog.
    // A CSV whose header was imported before is read as it was then.
    StatementImportDialog(const KestLib::AccountDB& db, QByteArray bytes, const StatementMappings& mappings,
                          QWidget* parent = nullptr);
    ~StatementImportDialog() override;

    // What OK imports, planned for db as it is.
    const PwText::StatementImport& plan() const { return planned; }
    // The statement as last read, every detect settled.
    const PwText::Statement& statement() const { return read; }
    PwText::AmountRule amountRule() const { return options.amountRule; }
    bool keepsDuplicates() const;

private:
    void buildWidgets();
    void readingChanged();
    void mappingChanged();
    void reread();
    void readBytes();
    void showRead();
    void replan();
    void showCounts();
    PwText::ImportChoices choices() const;

    const KestLib::AccountDB& db;
    const QByteArray bytes;
    PwText::StatementOptions options;
    PwText::Statement read;
    PwText::StatementImport planned;

    QLabel* formatLabel;
    QGroupBox* columnGroup;
    ColumnMappingBoxes* columnBoxes;
    StatementReadingBoxes* readingBoxes;
    QComboBox* defaultType;
    QCheckBox* keepDuplicates;
    QTableView* preview;
    StatementPreviewModel* model;
    QLabel* countsLabel;
    QLabel* noteLabel;
    QDialogButtonBox* buttons;
};
