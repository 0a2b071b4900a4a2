#pragma once

#include <QAbstractItemView>
#include <QEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <time.h>

#include "ui/find/filterbar.h"

// Types into the find bar of a window as a person does, one key at a time,
// and waits for what the person waits for: the bar telling of the new text
// (after its typing pause, if any) and then the table painted with the rows
// that match. Each key's wait is timed in wall and in processor time, so
// that a busy machine still shows the work done.
class FindTypist : public QObject {
public:
    struct Wait {
        double wallSeconds = 0;
        double cpuSeconds = 0;
        bool painted = false;  // false: no paint came within the time-out
    };

    explicit FindTypist(QMainWindow& window)
        : bar(window.findChild<FilterBar*>()),
          text(window.findChild<QLineEdit*>(QStringLiteral("findText"))),
          table(window.findChild<QAbstractItemView*>(QStringLiteral("table"))) {
        if (bar && table) {
            table->viewport()->installEventFilter(this);
            // After the window's own handler: the table has the new rows.
            connect(bar, &FilterBar::searchChanged, this, [this] { searched = true; });
        }
    }

    bool ready() const { return bar && text && table; }

    // One key typed into the bar's text box, and the wait for the table.
    Wait type(QChar letter) {
        searched = false;
        painted = false;
        const double wall = seconds(CLOCK_MONOTONIC);
        const double cpu = seconds(CLOCK_PROCESS_CPUTIME_ID);
        QTest::keyClick(text, letter.toLatin1());
        QEventLoop loop;
        waiting = &loop;
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        if (!painted) loop.exec();
        waiting = nullptr;
        const Wait wait{seconds(CLOCK_MONOTONIC) - wall, seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu, painted};
        // Paints from now on belong to no key.
        searched = false;
        return wait;
    }

    static double seconds(clockid_t clock) {
        timespec now{};
        clock_gettime(clock, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The first paint after the new rows: the loop ends once it is done.
        if (event->type() == QEvent::Paint && searched && !painted) {
            painted = true;
            if (waiting) waiting->quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    FilterBar* bar;
    QLineEdit* text;
    QAbstractItemView* table;
    QEventLoop* waiting = nullptr;
    bool searched = false;
    bool painted = false;
};
