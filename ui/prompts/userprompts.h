#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

// Whether a book can take a text or an amount the user typed: Made, it can
// (converted to the newer format if need be); Declined, the user kept the
// book as it is and goes on with what was typed; None, no format holds it.
enum class FormatRoom { Made, Declined, None };
// Asked about a name typed into the name dialog before the dialog takes it.
using NameRoom = std::function<FormatRoom(const QString& name)>;

// Every question the main window puts to the user, in one place. The window
// builds the (translated) texts and hands them over; an implementation only
// shows them and returns the answer. The program uses DialogPrompts; tests
// put in scripted answers so that no modal loop ever waits for a person.
class UserPrompts {
public:
    enum class SaveChoice { Save, Discard, Cancel };

    // A file to import from or export to, and which of the offered filters
    // the user picked (its position); the filters carry choices such as the
    // encoding.
    struct FileChoice {
        QString path;  // empty when cancelled
        int filterIndex = 0;
    };

    struct NameAnswer {
        bool accepted = false;
        QString name;
    };

    virtual ~UserPrompts() = default;

    // Yes / No / Cancel about unsaved changes; Yes is the default, Cancel the escape.
    virtual SaveChoice askSaveChanges(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Yes / No about replacing an existing file; true means Yes.
    virtual bool askOverwrite(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A path chosen by the user, or an empty string when cancelled. The
    // dialog starts in folder (the current folder when it is empty).
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    // A file dialog for data other than a book; forSaving asks for a file to
    // write. It starts at start: a folder, or a file it offers (the current
    // folder when empty).
    virtual FileChoice chooseDataFile(QWidget* parent, bool forSaving, const QStringList& filters,
                                      const QString& start) = 0;
    // A question with two buttons, convertButton (the default) and Cancel
    // (the escape); true for convertButton.
    virtual bool askConvert(QWidget* parent, const QString& caption, const QString& text,
                            const QString& convertButton) = 0;
    // The database name dialog, preset with presetName, for a book of
    // format (1 or 2), whose limits the name keeps. room, when given,
    // is asked about each name before OK takes it: the dialog stays open
    // with the name as typed unless it is Made, and warns of one that is None.
    virtual NameAnswer askDatabaseName(QWidget* parent, const QString& presetName, int format,
                                       const NameRoom& room) = 0;
    // A warning box; details, when given, is its informative text: which
    // file, what the system said, and what was kept.
    virtual void warn(QWidget* parent, const QString& caption, const QString& text,
                      const QString& details = QString()) = 0;
    // A box that says text and waits, with Cancel, for ready to return true;
    // ready is called now and then, and the window keeps being drawn
    // meanwhile. true once ready, false when cancelled.
    virtual bool waitUntil(QWidget* parent, const QString& caption, const QString& text,
                           const std::function<bool()>& ready) = 0;
    // A report box with the single button Yes.
    virtual void inform(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A box of the program's own that says what a command did (an import's
    // counts), with the single button OK: only the analyses answer Yes.
    // Where no such box is offered, the report box is shown.
    virtual void tell(QWidget* parent, const QString& caption, const QString& text) { inform(parent, caption, text); }
    // The same box with a second button, chartButton, beside Yes; true when
    // that was pressed. Where no such box is offered, the plain report is
    // shown and false returned.
    virtual bool informWithChart(QWidget* parent, const QString& caption, const QString& text,
                                 const QString& /*chartButton*/) {
        inform(parent, caption, text);
        return false;
    }
    // Runs a dialog the window has built and set up; true when it was accepted.
    // Tests fill in the dialog's widgets here instead of waiting for a person.
    virtual bool runDialog(QDialog& dialog) = 0;
};
