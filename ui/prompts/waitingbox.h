#pragma once

#include <QProgressDialog>
#include <functional>

// The box shown while the window waits for something another program is
// doing, such as its save of the book: the text, a bar that moves without an
// end, and Cancel. It waits in an event loop of its own, so the window is
// drawn and answers meanwhile, but is window-modal, so the book can't be
// changed under the wait.
class WaitingBox : public QProgressDialog {
    Q_OBJECT

public:
    WaitingBox(QWidget* parent, const QString& caption, const QString& text);

    // Calls ready now and then until it returns true (then true), or until
    // Cancel is pressed or the box closed (then false). The box is shown only
    // when ready isn't at once.
    bool waitUntil(const std::function<bool()>& ready);
};
