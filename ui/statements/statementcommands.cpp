#include "ui/statements/statementcommands.h"

#include <QFile>
#include <cstdint>
#include <QWidget>

#include "ui/book/book.h"
#include "ui/prompts/userprompts.h"
#include "ui/prompts/warnuser.h"
#include "core/readingfile.h"
#include "ui/statements/statementimportdialog.h"
#include "ui/statements/statementmappings.h"
#include "text/statementmessages.h"

StatementCommands::StatementCommands(QWidget* window, Book& book)
    : QObject(window), window(window), book(book) {}

StatementCommands::~StatementCommands() = default;

bool StatementCommands::importFile(UserPrompts& prompts) {
    const auto choice = prompts.chooseDataFile(
        window, false, {tr("Bank statements (*.csv *.ofx *.qfx *.qif)"), tr("All files (*)")}, QString());
    if (choice.path.isEmpty()) return false;

    QFile file(choice.path);
    if (!file.open(QIODevice::ReadOnly)) {
        warnUser(prompts, window, tr("The file %1 can't be read.").arg(choice.path));
        return false;
    }
    // Refused unread, as the reader would after reading it whole.
    if (static_cast<std::uint64_t>(file.size()) > PwText::statementFileLimit) {
        warnUser(prompts, window,
                 PwText::describeStatementFault({0, PwText::StatementFault::Reason::FileTooLarge, {}}));
        return false;
    }
    // The dialog holds the bytes, to read them again at every choice.
    const QByteArray bytes =
        KestLib::readingFile(QFile::encodeName(choice.path).toStdString(), [&] { return file.readAll(); });
    // The settings are opened at the first import, not with the window.
    if (!mappings) mappings = std::make_unique<StatementMappings>();
    StatementImportDialog dialog(book.database(), bytes, *mappings, window);
    if (!prompts.runDialog(dialog)) return false;
    const PwText::StatementImport& plan = dialog.plan();
    if (!plan.canImport() || plan.newCount() == 0) return false;

    book.importStatement(plan);
    mappings->remember(dialog.statement(), dialog.amountRule());
    QString text = tr("%n transaction(s) imported.", nullptr, plan.newCount());
    //: Two sentences in a row: a space between them, none after a full-width full stop
    const auto then = [&text](const QString& sentence) { text = tr("%1 %2").arg(text, sentence); };
    if (!plan.newTypes().empty()) then(tr("%n new type(s) created.", nullptr, static_cast<int>(plan.newTypes().size())));
    if (plan.duplicateCount() > 0 && !dialog.keepsDuplicates())
        then(tr("%n duplicate(s) skipped.", nullptr, plan.duplicateCount()));
    if (plan.roundedCount() > 0) then(tr("%n amount(s) rounded.", nullptr, plan.roundedCount()));
    prompts.tell(window, tr("Import Statement"), text);
    return true;
}
