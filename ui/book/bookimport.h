#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/readingfile.h"

class CommandGuard;
class QFile;
class QWidget;
class UserPrompts;

// The steps every import into the book takes, whatever it reads: the file
// chosen through the feature's filters, opened, the feature's own reading
// and adding, and the report of what was added. An error on the way (the
// core's, running out of memory too) is the window's warning, and the book
// is as it was, unsaved changes included.
class BookImport {
    Q_DECLARE_TR_FUNCTIONS(BookImport)

public:
    // What an import added, as its report tells it.
    struct Added {
        int transactions = 0;
        int newTypes = 0;
        // The feature's own sentences, after the counts.
        QStringList notes;
    };
    // Reads the file opened and adds it to the book; none when nothing is
    // to be reported (the feature warned, or its dialog was cancelled).
    using Read = std::function<std::optional<Added>(QFile& file, int filterIndex)>;

    // prompts are the window's current ones, guard its error boundary.
    BookImport(QWidget* window, UserPrompts*& prompts, const CommandGuard& guard)
        : window(window), prompts(prompts), guard(guard) {}

    // Asks for the file through filters, then read, then reports under caption.
    void run(const QStringList& filters, const QString& caption, const Read& read) const;
    // Runs work, which brings file into memory: running out of memory is
    // the core's "not enough memory to read FILE", naming it.
    template <typename Work>
    static decltype(auto) reading(const QFile& file, Work&& work);
    // The feature's own warnings and dialogs go where the import's do.
    void warn(const QString& text) const;
    UserPrompts& currentPrompts() const { return *prompts; }
    QWidget* parentWidget() const { return window; }

private:
    static std::string bytesOf(const QFile& file);

    QWidget* window;
    UserPrompts*& prompts;
    const CommandGuard& guard;
};

template <typename Work>
decltype(auto) BookImport::reading(const QFile& file, Work&& work) {
    return KestLib::readingFile(bytesOf(file), std::forward<Work>(work));
}
