#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/errormsg.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "ui/window/mainwindow.h"

// Whether each action of the window can be chosen before any book is open,
// and with a book just opened (so nothing to undo yet). Written out here,
// not taken from the window's own table of actions, so that a wrong entry
// there shows.
struct ActionState {
    const char* name;
    bool withoutBook;
    bool withBook;
};
inline constexpr ActionState actionStates[] = {
    {"newAct", true, true},
    {"openAct", true, true},
    {"saveAct", true, true},
    {"saveAsAct", true, true},
    {"closeAct", true, true},
    {"importCsvAct", false, true},
    {"importStatementAct", false, true},
    {"exportCsvAct", false, true},
    {"exitAct", true, true},
    {"undoAct", false, false},
    {"redoAct", false, false},
    {"findAct", false, true},
    {"transCreateAct", false, true},
    {"transDeleteAct", false, true},
    {"transModifyAct", false, true},
    {"transDeleteOneAct", false, true},
    {"transModifyOneAct", false, true},
    {"dbNameAct", false, true},
    {"bookSettingsAct", false, true},
    {"grandTotalAct", false, true},
    {"budgetAct", false, true},
    {"percentageAct", false, true},
    {"chartsAct", false, true},
    {"aboutAct", true, true},
    {"aboutQtAct", true, true},
};

// The main window as the window tests start it: fresh scripted prompts, a
// fresh temporary folder whose "languages" folder is absent (so no language
// is offered), the window initialised and shown.
class WindowFixture {
protected:
    // The widget of dialog named name; a test without it can't go on.
    template <typename T>
    static T* widget(QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no widget %s", name);
        return found;
    }
    static void click(QDialog& dialog, const char* button) {
        QTest::mouseClick(widget<QPushButton>(dialog, button), Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;
    ScriptedPrompts prompts;

    void openWindow() {
        prepare();
        startWindow(path(QStringLiteral("languages")));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    // A fresh temporary folder and fresh prompts, before any window.
    void prepare() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        prompts = ScriptedPrompts();
    }
    // The window on the given translation folder, initialised, not shown;
    // with installTranslators, its translators are the application's, as
    // the program's main makes them.
    void startWindow(const QString& langDir, bool installTranslators = false) {
        window = std::make_unique<MainWindow>();
        window->setPrompts(&prompts);
        window->setLangDir(langDir);
        if (installTranslators) {
            QApplication::installTranslator(window->appTranslator());
            QApplication::installTranslator(window->qtTranslator());
        }
        window->initWindow();
    }
    // The window goes, and the folder with it (the toolkit can't name files
    // whose names aren't UTF-8, so it can't remove them); every scripted
    // answer was asked for and nothing else.
    void closeWindow() {
        window.reset();
        std::filesystem::remove_all(BookSupport::pathBytes(folder->path()));
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable("unexpected questions: " + prompts.unscripted.join(", ")));
        QVERIFY2(prompts.allAnswersUsed(), "a scripted answer was never asked for");
    }

    QString path(const QString& name) const { return folder->filePath(name); }
    QAction* action(const char* name) const {
        auto* found = window->findChild<QAction*>(QString::fromLatin1(name));
        if (!found) qFatal("no action %s", name);
        return found;
    }
    QString status() const { return window->findChild<QLabel*>(QStringLiteral("statusLabel"))->text(); }
    // The warning the window shows for a core error of this code, in English.
    static QString warningOf(KestLib::ErrorCode code) {
        const std::string_view text = KestLib::errorText(code);
        return QStringLiteral("Warning: ") + QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    // The warning the window shows, in English, when the file at path can't
    // be opened for writing.
    static QString writeWarningOf(const QString& path) {
        return QStringLiteral("Warning: The file %1 could not be opened for writing")
            .arg(QDir::toNativeSeparators(path));
    }
    // True when the actions that wait for a book are all enabled (open) or
    // all disabled.
    bool bookActionsEnabled(bool open) const {
        for (const ActionState& state : actionStates)
            if (state.withoutBook != state.withBook && action(state.name)->isEnabled() != open) return false;
        return true;
    }

    QTableView* table() const { return window->findChild<QTableView*>(QStringLiteral("table")); }
    int rowCount() const { return table()->model()->rowCount(); }
    QStringList column(int column) const {
        QStringList texts;
        const QAbstractItemModel* model = table()->model();
        for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
        return texts;
    }
    void clickHeader(int section) {
        QHeaderView* header = table()->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
    // Set the Database Name and New, with the name given in the dialog.
    void rename(const QString& name) {
        prompts.nameAnswers.push_back({true, name});
        action("dbNameAct")->trigger();
    }
    void startNewBook(const QString& name) {
        prompts.nameAnswers.push_back({true, name});
        action("newAct")->trigger();
    }
};
