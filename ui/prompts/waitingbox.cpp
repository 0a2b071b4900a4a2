#include "ui/prompts/waitingbox.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// How often ready is asked: often enough that the wait ends soon after
// what it waits for, seldom enough to cost nothing.
constexpr int pollInterval = 100;  // ms

}  // namespace

WaitingBox::WaitingBox(QWidget* parent, const QString& caption, const QString& text) : QProgressDialog(parent) {
    setObjectName(QStringLiteral("waitingBox"));
    setWindowTitle(caption);
    setLabelText(text);
    setCancelButtonText(tr("Cancel"));
    setRange(0, 0);
    setAutoReset(false);
    setAutoClose(false);
    setWindowModality(Qt::WindowModal);
    // Shown by waitUntil itself, never by the progress dialog's own timer.
    setMinimumDuration(0);
    hide();
}

bool WaitingBox::waitUntil(const std::function<bool()>& ready) {
    if (ready()) return true;
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (ready()) loop.exit(1);
    });
    connect(this, &QProgressDialog::canceled, &loop, [&] { loop.exit(0); });
    poll.start(pollInterval);
    show();
    const bool done = loop.exec() == 1;
    hide();
    return done;
}
