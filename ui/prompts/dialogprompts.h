#pragma once

#include "ui/prompts/userprompts.h"

// The questions as the user sees them: message boxes, the platform's file
// dialogs and the database name dialog, each run modally. A report that
// doesn't fit the screen is shown in a box whose text scrolls.
class DialogPrompts : public UserPrompts {
public:
    SaveChoice askSaveChanges(QWidget* parent, const QString& caption, const QString& text) override;
    bool askOverwrite(QWidget* parent, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    FileChoice chooseDataFile(QWidget* parent, bool forSaving, const QStringList& filters,
                              const QString& start) override;
    bool askConvert(QWidget* parent, const QString& caption, const QString& text,
                    const QString& convertButton) override;
    NameAnswer askDatabaseName(QWidget* parent, const QString& presetName, int format, const NameRoom& room) override;
    void warn(QWidget* parent, const QString& caption, const QString& text,
              const QString& details = QString()) override;
    bool waitUntil(QWidget* parent, const QString& caption, const QString& text,
                   const std::function<bool()>& ready) override;
    void inform(QWidget* parent, const QString& caption, const QString& text) override;
    void tell(QWidget* parent, const QString& caption, const QString& text) override;
    bool informWithChart(QWidget* parent, const QString& caption, const QString& text,
                         const QString& chartButton) override;
    bool runDialog(QDialog& dialog) override;

protected:
    // Runs a report's box, the plain message box or the scrolling one,
    // once it is built; a test looks at it here instead.
    virtual void runReportBox(QDialog& box);

    // A report's text as its box shows it: rich text gets room inside each
    // table cell and its text centred on one line.
    static QString shownReport(const QString& text);

private:
    // The box of a report; true when chartButton (when not empty) was pressed.
    bool showReport(QWidget* parent, const QString& caption, const QString& text, const QString& chartButton);
};
