#include "ui/statements/statementcommands.h"

#include <QFile>
#include <QWidget>
#include <cstdint>

#include "text/statementmessages.h"
#include "ui/book/book.h"
#include "ui/prompts/userprompts.h"
#include "ui/statements/statementimportdialog.h"
#include "ui/statements/statementmappings.h"

StatementCommands::StatementCommands(QWidget* window, Book& book, UserPrompts*& prompts, const CommandGuard& guard)
    : QObject(window), book(book), import(window, prompts, guard) {}

StatementCommands::~StatementCommands() = default;

void StatementCommands::importFile() {
    const QStringList filters = {tr("Bank statements (*.csv *.ofx *.qfx *.qif)"), tr("All files (*)")};
    import.run(filters, tr("Import Statement"), [this](QFile& file, int) { return read(file);
});
}

std::optional<BookImport::Added> StatementCommands::read(QFile& file) {
    // Refused unread, as the reader would after reading it whole.
    if (static_cast<std::uint64_t>(file.size()) > PwText::statementFileLimit) {
        import.warn(PwText::describeStatementFault({0, PwText::StatementFault::Reason::FileTooLarge, {}}));
        return std::nullopt;
    }
    // The dialog holds the bytes, to read them again at every choice.
    const QByteArray bytes = BookImport::reading(file, [&] { return file.readAll(); });
    // The settings are opened at the first import, not with the window.
    if (!mappings) mappings = std::make_unique<StatementMappings>();
    StatementImportDialog dialog(book.database(), bytes, *mappings, import.parentWidget());
    if (!import.currentPrompts().runDialog(dialog)) return std::nullopt;
    const PwText::StatementImport& plan = dialog.plan();
    if (!plan.canImport() || plan.newCount() == 0) return std::nullopt;

    book.importStatement(plan);
    mappings->remember(dialog.statement(), dialog.amountRule());
    BookImport::Added added{plan.newCount(), static_cast<int>(plan.newTypes().size()), {}};
    if (plan.duplicateCount() > 0 && !dialog.keepsDuplicates())
        added.notes << tr("%n duplicate(s) skipped.", nullptr, plan.duplicateCount());
    if (plan.roundedCount() > 0) added.notes << tr("%n amount(s) rounded.", nullptr, plan.roundedCount());
    return added;
}
