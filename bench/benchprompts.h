#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "ui/prompts/userprompts.h"

// Answers every question of the window without a modal loop: unsaved changes
// are discarded, file dialogs are cancelled, and a dialog is filled in by the
// current script and accepted or not as it says. Warnings and reports are
// kept instead of shown.
class BenchPrompts : public UserPrompts {
public:
    std::function<bool(QDialog&)> script;
    QString lastWarning;
    QString lastReport;

    SaveChoice askSaveChanges(QWidget*, const QString&, const QString&) override { return SaveChoice::Discard; }
    bool askOverwrite(QWidget*, const QString&, const QString&) override { return false; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    FileChoice chooseDataFile(QWidget*, bool, const QStringList&, const QString&) override { return {}; }
    bool askConvert(QWidget*, const QString&, const QString&, const QString&) override { return false; }
    NameAnswer askDatabaseName(QWidget*, const QString&, int, const NameRoom&) override { return {}; }
    bool waitUntil(QWidget*, const QString&, const QString&, const std::function<bool()>& ready) override {
        return ready();
    }
    void warn(QWidget*, const QString&, const QString& text, const QString& = QString()) override {
        lastWarning = text;
    }
    void inform(QWidget*, const QString&, const QString& text) override { lastReport = text; }
    // With pressChart a report's Chart button is pressed.
    bool pressChart = false;
    bool informWithChart(QWidget*, const QString&, const QString& text, const QString&) override {
        lastReport = text;
        return pressChart;
    }
    int dialogsRun = 0;
    bool runDialog(QDialog& dialog) override {
        ++dialogsRun;
        return script && script(dialog);
    }
};
