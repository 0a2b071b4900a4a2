#pragma once

#include "prompts/userprompts.h"

// The questions as the user sees them: message boxes, the platform's file
// dialogs and the database name dialog, each run modally.
class DialogPrompts : public UserPrompts {
public:
    SaveChoice askSaveChanges(QWidget* parent, const QString& caption, const QString& text) override;
    bool askOverwrite(QWidget* parent, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    FileChoice chooseDataFile(QWidget* parent, bool forSaving, const QStringList& filters,
                              const QString& start) override;
    NameAnswer askDatabaseName(QWidget* parent, const QString& presetName) override;
    void warn(QWidget* parent, const QString& caption, const QString& text,
              const QString& details = QString()) override;
    void inform(QWidget* parent, const QString& caption, const QString& text) override;
    bool informWithChart(QWidget* parent, const QString& caption, const QString& text,
                         const QString& chartButton) override;
    bool runDialog(QDialog& dialog) override;
};
