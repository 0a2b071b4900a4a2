#pragma once

#include <QString>
#include <exception>
#include <string>

#include "core/errormsg.h"
#include "ui/prompts/coremessages.h"

class QWidget;
class UserPrompts;

// Runs a command's work so that an error it throws (the core's, or running
// out of memory) becomes a warning instead of leaving a Qt event handler,
// which Qt can't unwind through. The warning's parent is the window, and the
// prompts are the window's current ones.
class CommandGuard {
public:
    CommandGuard(QWidget* parent, UserPrompts*& prompts) : parent(parent), prompts(prompts) {}

    // Runs work; false after it threw and the warning was shown. kept, when
    // given, tells the user what the failure left as it was.
    template <typename Work>
    bool operator()(Work&& work, const QString& kept = QString()) const {
        try {
            work();
            return true;
        } catch (const KestLib::ErrorMsg& error) {
            warnError(error, kept);
        } catch (const std::exception& error) {
            warnText(coreMessageText(std::string(error.what())), kept);
        }
        return false;
    }

    // The window's one warning box, under the window.
    void warnText(const QString& text, const QString& details) const;
    // The box for the core's error, with kept as above.
    void warnError(const KestLib::ErrorMsg& error, const QString& kept) const {
        warnText(coreMessageText(error), coreErrorDetails(error, kept));
    }

private:
    QWidget* parent;
    UserPrompts*& prompts;
};
