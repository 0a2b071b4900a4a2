#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/prompts/userprompts.h"

// Answers the window's questions from a script and writes down what was
// asked. A question without a scripted answer is recorded as a fault and
// answered as a cancel.
class ScriptedPrompts : public UserPrompts {
public:
    // Fills in a dialog's widgets as a person would; returns whether it is accepted.
    using DialogScript = std::function<bool(QDialog&)>;

    std::deque<SaveChoice> saveChoices;
    std::deque<bool> overwriteAnswers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<NameAnswer> nameAnswers;
    // Whether a question about converting the book is answered Convert.
    std::deque<bool> convertAnswers;
    std::deque<FileChoice> dataFiles;
    std::deque<DialogScript> dialogScripts;
    // Whether a report box's Chart button is pressed; without an answer the
    // box is closed with Yes, as with a plain report.
    std::deque<bool> chartAnswers;
    // A wait for another program: what that program does meanwhile, and
    // whether Cancel is pressed then. Without Cancel the wait must be over
    // once meanwhile has run; a wait that isn't is recorded as a fault.
    struct WaitAnswer {
        std::function<void()> meanwhile;
        bool cancel = false;
    };
    std::deque<WaitAnswer> waitAnswers;
    // Runs at every overwrite question, before it is answered: what another
    // program does while the window asks.
    std::function<void()> whileAsking;

    QStringList asked;     // every question, in order
    QStringList warnings;  // "caption: text"
    QStringList details;   // each warning's informative text, empty when it has none
    QStringList reports;   // "caption: text" of every information box
    QStringList unscripted;

    bool allAnswersUsed() const {
        return saveChoices.empty() && overwriteAnswers.empty() && openNames.empty() && saveNames.empty() &&
               nameAnswers.empty() && convertAnswers.empty() && dialogScripts.empty() && dataFiles.empty() &&
               chartAnswers.empty() && waitAnswers.empty();
    }

    QString lastCaption;
    QString lastText;
    QString lastFolder;  // where the last file dialog would have started

    SaveChoice askSaveChanges(QWidget*, const QString& caption, const QString& text) override {
        lastCaption = caption;
        lastText = text;
        return next(saveChoices, SaveChoice::Cancel, QStringLiteral("save-changes"));
    }
    bool askOverwrite(QWidget*, const QString& caption, const QString& text) override {
        lastCaption = caption;
        if (whileAsking) whileAsking();
        return next(overwriteAnswers, false, QStringLiteral("overwrite: ") + text);
    }
    QString openFileName(QWidget*, const QString&, const QString& folder) override {
        lastFolder = folder;
        return next(openNames, QString(), "open");
    }
    QString saveFileName(QWidget*, const QString&, const QString& folder) override {
        lastFolder = folder;
        return next(saveNames, QString(), "save-as");
    }
    QStringList lastFilters;
    QString lastStart;  // where the last data file dialog would have started
    FileChoice chooseDataFile(QWidget*, bool forSaving, const QStringList& filters, const QString& start) override {
        lastFilters = filters;
        lastStart = start;
        return next(dataFiles, FileChoice{}, forSaving ? QStringLiteral("data-save") : QStringLiteral("data-open"));
    }
    bool askConvert(QWidget*, const QString& caption, const QString& text, const QString&) override {
        lastCaption = caption;
        lastText = text;
        return next(convertAnswers, false, QStringLiteral("convert"));
    }
    // As a person at the dialog: a name its room doesn't make is typed
    // again, from the next answer.
    QList<int> nameFormats;  // the format each name was asked for
    NameAnswer askDatabaseName(QWidget*, const QString& presetName, int format, const NameRoom& room) override {
        nameFormats << format;
        QString shown = presetName;
        for (;;) {
            const NameAnswer answer = next(nameAnswers, NameAnswer{}, QStringLiteral("name: ") + shown);
            if (!answer.accepted || !room) return answer;
            const FormatRoom made = room(answer.name);
            if (made == FormatRoom::Made) return answer;
            if (made == FormatRoom::None) return answer;
            shown = answer.name;
        }
    }
    bool waitUntil(QWidget*, const QString&, const QString& text, const std::function<bool()>& ready) override {
        if (ready()) return true;
        const WaitAnswer answer = next(waitAnswers, WaitAnswer{nullptr, true}, QStringLiteral("wait: ") + text);
        if (answer.meanwhile) answer.meanwhile();
        if (answer.cancel) return false;
        if (ready()) return true;
        unscripted << QStringLiteral("still waiting: ") + text;
        return false;
    }
    void warn(QWidget*, const QString& caption, const QString& text, const QString& detail = QString()) override {
        asked << QStringLiteral("warning");
        warnings << caption + QStringLiteral(": ") + text;
        details << detail;
    }
    void inform(QWidget*, const QString& caption, const QString& text) override {
        asked << QStringLiteral("report");
        reports << caption + QStringLiteral(": ") + text;
    }
    bool informWithChart(QWidget* parent, const QString& caption, const QString& text, const QString&) override {
        inform(parent, caption, text);
        if (chartAnswers.empty()) return false;
        const bool chart = chartAnswers.front();
        chartAnswers.pop_front();
        return chart;
    }
    bool runDialog(QDialog& dialog) override {
        const DialogScript script =
            next(dialogScripts, DialogScript(), QStringLiteral("dialog: ") + dialog.metaObject()->className());
        return script ? script(dialog) : false;
    }

private:
    template <typename T>
    T next(std::deque<T>& answers, T fallback, const QString& question) {
        asked << question;
        if (answers.empty()) {
            unscripted << question;
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
