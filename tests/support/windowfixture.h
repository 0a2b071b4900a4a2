#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/window/mainwindow.h"
#include "tests/support/scriptedprompts.h"

// The main window as the window tests start it: fresh scripted prompts, a
// fresh temporary folder whose "languages" folder is absent (so no language
// is offered), the window initialised and shown.
class WindowFixture {
protected:
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
    // The window goes; every scripted answer was asked for and nothing else.
    void closeWindow() {
        window.reset();
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
};
