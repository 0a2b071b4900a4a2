#pragma once

#include <QApplication>
#include <exception>
#include <memory>

class UserPrompts;

// The program's application object. Two things make it more than a plain
// QApplication:
// - A file-size limit (ulimit -f) must not kill the program in the middle of
//   a save: SIGXFSZ is ignored, so the write fails with an error the window
//   reports, and the book stays open with its changes.
// - An exception must never travel through the toolkit (that is undefined
//   behaviour in Qt 6). The window catches the errors of its own commands;
//   one that still reaches notify() is the last resort: it is shown as a
//   warning and the program ends at once with a non-zero exit code, saving
//   nothing, since the state it leaves behind can't be trusted.
class PennywellApplication : public QApplication {
    Q_OBJECT

public:
    PennywellApplication(int& argc, char** argv);
    ~PennywellApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Where the last-resort warning goes; not owned. nullptr restores the
    // message box.
    void setPrompts(UserPrompts* prompts);

    // Shows the error held by error and ends the process with EXIT_FAILURE.
    [[noreturn]] void endAfterEscapedError(std::exception_ptr error);

private:
    std::unique_ptr<UserPrompts> dialogPrompts;
    UserPrompts* prompts;
    bool ending = false;
};
