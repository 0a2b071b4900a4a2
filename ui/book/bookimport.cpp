#include "ui/book/bookimport.h"

#include <QFile>

#include "ui/prompts/commandguard.h"
#include "ui/prompts/userprompts.h"
#include "ui/prompts/warnuser.h"

void BookImport::run(const QStringList& filters, const QString& caption, const Read& read) const {
    guard([&] {
        const UserPrompts::FileChoice choice = prompts->chooseDataFile(window, false, filters, QString());
        if (choice.path.isEmpty()) return;
        QFile file(choice.path);
        if (!file.open(QIODevice::ReadOnly)) {
            warn(tr("The file %1 can't be read.").arg(choice.path));
            return;
        }
        const std::optional<Added> added = read(file, choice.filterIndex);
        if (!added) return;
        QString text = tr("%n transaction(s) imported.", nullptr, added->transactions);
        //: Two sentences in a row: a space between them, none after a full-width full stop
        const auto then = [&text](const QString& sentence) { text = tr("%1 %2").arg(text, sentence); };
        if (added->newTypes > 0) then(tr("%n new type(s) created.", nullptr, added->newTypes));
        for (const QString& note : added->notes) then(note);
        prompts->tell(window, caption, text);
    });
}

void BookImport::warn(const QString& text) const { warnUser(*prompts, window, text); }

std::string BookImport::bytesOf(const QFile& file) { return QFile::encodeName(file.fileName()).toStdString(); }
