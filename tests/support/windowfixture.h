#pragma once

#include <QAction>
#include <QLabel>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "window/mainwindow.h"
#include "scriptedprompts.h"

// The main window as the window tests start it: fresh scripted prompts, a
// fresh temporary folder whose "languages" folder is absent (so no language
// is offered), the window initialised and shown.
class WindowFixture {
protected:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;
    ScriptedPrompts prompts;

    void openWindow() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        prompts = ScriptedPrompts();
        window = std::make_unique<MainWindow>();
        window->setPrompts(&prompts);
        window->setLangDir(path(QStringLiteral("languages")));
        window->initWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QString path(const QString& name) const { return folder->filePath(name); }
    QAction* action(const char* name) const {
        auto* found = window->findChild<QAction*>(QString::fromLatin1(name));
        if (!found) qFatal("no action %s", name);
        return found;
    }
    QString status() const { return window->findChild<QLabel*>(QStringLiteral("statusLabel"))->text(); }
};
