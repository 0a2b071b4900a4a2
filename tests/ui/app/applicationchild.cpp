// The program's start-up in a process of its own, for test_application: the
// application object ends the process, which a test can only watch from
// outside. Prints every question it is asked and what it saw.
//
//   applicationchild escape core|std|other BOOK
//       opens BOOK, changes it, then lets an exception of that kind escape
//       an event handler.
//   applicationchild file-size-limit FOLDER
//       opens a book of FOLDER, changes it and saves it under a file-size
//       limit it can't fit in.

#include <sys/resource.h>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <cstdio>
#include <stdexcept>

#include "core/errormsg.h"
#include "tests/support/booksupport.h"
#include "ui/app/pennywellapplication.h"
#include "ui/prompts/userprompts.h"
#include "ui/window/mainwindow.h"

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Answers as a person in a hurry would: save the changes, name the book
// "Changed", save a copy under saveName, wait for nobody.
class PrintingPrompts : public UserPrompts {
public:
    QString saveName;

    SaveChoice askSaveChanges(QWidget*, const QString&, const QString&) override {
        say(QStringLiteral("save-changes"));
        return SaveChoice::Save;
    }
    bool askOverwrite(QWidget*, const QString&, const QString&) override { return true; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return saveName; }
    FileChoice chooseDataFile(QWidget*, bool, const QStringList&, const QString&) override { return {}; }
    bool askConvert(QWidget*, const QString&, const QString& text, const QString&) override {
        say(QStringLiteral("convert: ") + text);
        return false;
    }
    NameAnswer askDatabaseName(QWidget*, const QString&, int, const NameRoom&) override {
        return {true, QStringLiteral("Changed")};
    }
    void warn(QWidget*, const QString& caption, const QString& text, const QString& details = QString()) override {
        say(QStringLiteral("warning: ") + caption + QStringLiteral(": ") + text);
        if (!details.isEmpty()) say(QStringLiteral("details: ") + details);
    }
    bool waitUntil(QWidget*, const QString&, const QString& text, const std::function<bool()>& ready) override {
        if (ready()) return true;
        say(QStringLiteral("cancelled: ") + text);
        return false;
    }
    void inform(QWidget*, const QString&, const QString&) override {}
    bool runDialog(QDialog&) override { return false; }
};

class Thrower : public QObject {
public:
    explicit Thrower(QString kind) : kind(std::move(kind)) {}

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        if (kind == QLatin1String("core")) throw KestLib::ErrorMsg(KestLib::ErrorCode::damaged);
        if (kind == QLatin1String("std")) throw std::runtime_error("Bang");
        throw 42;
    }

private:
    QString kind;
};

void changeTheBook(MainWindow& window) { window.findChild<QAction*>(QStringLiteral("dbNameAct"))->trigger(); }

}  // namespace

int main(int argc, char* argv[]) {
    PennywellApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 && arguments.size() != 4) return 2;
    PrintingPrompts prompts;
    app.setPrompts(&prompts);
    MainWindow window;
    window.setPrompts(&prompts);
    window.initWindow();

    if (arguments.at(1) == QLatin1String("escape")) {
        window.openFile(arguments.at(3));
        changeTheBook(window);
        Thrower thrower(arguments.at(2));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        // Closing the window would ask, and the answer is to save.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &QWidget::close);
        say(QStringLiteral("exec returned %1").arg(app.exec()));
        window.close();
        return 0;
    }

    if (arguments.at(1) == QLatin1String("file-size-limit")) {
        const QDir folder(arguments.at(2));
        // Far more than the limit below.
        BookSupport::writeBook(folder.filePath(QStringLiteral("big.pwdb")), "Big",
                               std::vector<BookSupport::Row>(2000, BookSupport::standardRows.front()));
        window.openFile(folder.filePath(QStringLiteral("big.pwdb")));
        changeTheBook(window);
        prompts.saveName = folder.filePath(QStringLiteral("copy.pwdb"));

        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 4096;
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) return 3;
        window.findChild<QAction*>(QStringLiteral("saveAsAct"))->trigger();
        setrlimit(RLIMIT_FSIZE, &before);

        say(QStringLiteral("status: ") + window.findChild<QLabel*>(QStringLiteral("statusLabel"))->text());
        say(QStringLiteral("bound: ") + QDir(window.boundFileName()).dirName());
        return 0;
    }
    return 2;
}
