// A cold process as a user meets the find bar: the main window is built,
// opens the book named on the command line and paints its table; then the
// find bar is opened, PAUSE milliseconds go by (default 0; a person takes a
// moment before the first letter, and the window uses it), and the first
// three letters of WORD (default "rent") are typed into it, each as soon as
// the table was painted with the answer to the one before. For each key it
// prints how long the table took to be painted again, in wall and in
// processor time (the machine may be busy), and how many rows it shows. Run
// it without a display (QT_QPA_PLATFORM=offscreen); tools/bench-cold times it.
//
//   cold_find BOOK [WORD [PAUSE]]

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "bench/benchprompts.h"
#include "bench/findtypist.h"
#include "bench/usertestsettings.h"
#include "core/accountdb.h"
#include "ui/window/mainwindow.h"

int main(int argc, char** argv) {
    useTestSettings();
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: cold_find BOOK [WORD [PAUSE]]\n");
        return 2;
    }
    const QString word = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("rent");
    const int pause = argc == 4 ? std::atoi(argv[3]) : 0;
    BenchPrompts prompts;
    MainWindow window;
    window.setPrompts(&prompts);
    window.setLangDir(QDir::tempPath() + QStringLiteral("/pennywell-cold-find-no-languages"));
    window.initWindow();
    window.show();
    window.openFile(QFile::decodeName(argv[1]));
    QCoreApplication::processEvents();
    if (!prompts.lastWarning.isEmpty() || window.database().transCount() == 0) {
        std::fprintf(stderr, "cold_find: %s\n", qPrintable(prompts.lastWarning));
        return 1;
    }
    // Ctrl+F, and the bar painted, before the first key.
    window.findChild<QAction*>(QStringLiteral("findAct"))->trigger();
    QCoreApplication::processEvents();
    FindTypist typist(window);
    const auto* table = window.findChild<QTableView*>(QStringLiteral("table"));
    if (!typist.ready() || !table) {
        std::fprintf(stderr, "cold_find: no find bar\n");
        return 1;
    }
    if (pause > 0) {
        QEventLoop waiting;
        QTimer::singleShot(pause, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    std::printf("rows=%d pause_ms=%d\n", window.database().transCount(), pause);
    for (int key = 1; key <= 3 && key <= word.size(); ++key) {
        const FindTypist::Wait wait = typist.type(word.at(key - 1));
        if (!wait.painted) {
            std::fprintf(stderr, "cold_find: the table was not painted after key %d\n", key);
            return 1;
        }
        std::printf("key=%d text=%s shown=%d key%d_s=%.3f key%d_cpu_s=%.3f\n", key, qPrintable(word.left(key)),
                    table->model()->rowCount(), key, wait.wallSeconds, key, wait.cpuSeconds);
    }
    return 0;
}
