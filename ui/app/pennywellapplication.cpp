#include "ui/app/pennywellapplication.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/errormsg.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/dialogprompts.h"
#include "ui/prompts/warnuser.h"

namespace {

QString describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const KestLib::ErrorMsg& failure) {
        return coreMessageText(failure);
    } catch (const std::exception& failure) {
        return QString::fromLocal8Bit(failure.what());
    } catch (...) {
        return QObject::tr("Unknown error");
    }
}

}  // namespace

PennywellApplication::PennywellApplication(int& argc, char** argv)
    : QApplication(argc, argv), dialogPrompts(std::make_unique<DialogPrompts>()), prompts(dialogPrompts.get()) {
#ifdef SIGXFSZ
    // The write then fails with EFBIG, which the core reports as a write error.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

PennywellApplication::~PennywellApplication() = default;

void PennywellApplication::setPrompts(UserPrompts* replacement) {
    prompts = replacement ? replacement : dialogPrompts.get();
}

bool PennywellApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        endAfterEscapedError(std::current_exception());
    }
}

void PennywellApplication::endAfterEscapedError(std::exception_ptr error) {
    // A second error while the warning is up ends the program without it.
    if (!ending) {
        ending = true;
        try {
            warnUser(*prompts, activeWindow(), describe(error));
        } catch (...) {
        }
    }
    std::fflush(nullptr);
    // No destructor, no close handler, no event runs any more: nothing can
    // save a book in an unknown state.
    std::_Exit(EXIT_FAILURE);
}
