#include "ui/csv/csvcommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <optional>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "core/exportclash.h"
#include "core/fileio.h"
#include "text/big5text.h"
#include "text/bookcsv.h"
#include "ui/book/book.h"
#include "ui/book/transactioncolumns.h"
#include "ui/csv/csvfilename.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/userprompts.h"
#include "ui/prompts/warnuser.h"

namespace {

// The filters' order is the order of these encodings.
constexpr PwText::CsvEncoding importEncodings[] = {PwText::CsvEncoding::Detect, PwText::CsvEncoding::Utf8,
                                                   PwText::CsvEncoding::Big5};
constexpr PwText::CsvEncoding exportEncodings[] = {PwText::CsvEncoding::Utf8, PwText::CsvEncoding::Utf8WithBom,
                                                   PwText::CsvEncoding::Big5};

template <std::size_t n>
PwText::CsvEncoding encodingAt(const PwText::CsvEncoding (&encodings)[n], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < n ? encodings[index] : encodings[0];
}

// How long the status bar says where an export went.
constexpr int exportNoteTime = 10000;  // ms

}  // namespace

CsvCommands::CsvCommands(QMainWindow* window, Book& book, UserPrompts*& prompts, const CommandGuard& guard)
    : QObject(window), window(window), book(book), import(window, prompts, guard) {}

void CsvCommands::importFile() {
    const QStringList filters = {tr("CSV files, encoding detected (*.csv)"), tr("CSV files, UTF-8 (*.csv)"),
                                 tr("CSV files, Big5 (*.csv)")};
    import.run(filters, tr("Import CSV"), [this](QFile& file, int filterIndex) -> std::optional<BookImport::Added> {
        // The whole file is held while its rows are checked: one too big for
        // the memory is refused as a file that can't be read, the book untouched.
        const PwText::ImportReport report = BookImport::reading(file, [&] {
            const QByteArray bytes = file.readAll();
    return book.importCsv(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                          encodingAt(importEncodings, filterIndex));
});
if (!report.accepted) {
    import.warn(PwText::describeRefusal(report));
    return std::nullopt;
}
return BookImport::Added{report.transactions, static_cast<int>(report.newTypes.size()), {}};
});
}

void CsvCommands::exportFile() {
    const QString written = exportChosen(import.currentPrompts());
    if (!written.isEmpty())
        window->statusBar()->showMessage(
            QCoreApplication::translate("MainWindow", "Exported to %1").arg(QDir::toNativeSeparators(written)),
            exportNoteTime);
}

QString CsvCommands::exportChosen(UserPrompts& prompts) {
    const auto choice = prompts.chooseDataFile(
        window, true, {tr("CSV, UTF-8 (*.csv)"), tr("CSV, UTF-8 for spreadsheets (*.csv)"), tr("CSV, Big5 (*.csv)")},
        CsvFileName::suggested(TransactionColumns::storedText(book.database(), book.database().name()),
                               book.path().display()));
    if (choice.path.isEmpty()) return {};
    const QString target = CsvFileName::completed(choice.path);
    const std::string path = QFile::encodeName(target).toStdString();
    const QString caption = QCoreApplication::translate("MainWindow", "Pennywell");
    const QString shown = QDir::toNativeSeparators(target);
    switch (KestLib::exportClash(path, book.path().bytes())) {
    case KestLib::ExportClash::Book:
        warnUser(prompts, window,
                 tr("The file %1 is the open book itself; the CSV would replace it. Nothing was written.").arg(target));
        return {};
    // The dialog's own question didn't say that a book would be lost.
    case KestLib::ExportClash::Backup:
        if (!prompts.askOverwrite(window, caption,
                                  tr("The file %1 is the backup of the open book, kept from before its last save.\n"
                                     "Do you want to replace it with the CSV?")
                                      .arg(shown)))
            return {};
        break;
    case KestLib::ExportClash::OtherBook:
        if (!prompts.askOverwrite(
                window, caption,
                tr("The file %1 is a Pennywell book.\nDo you want to replace it with the CSV?").arg(shown)))
            return {};
        break;
    case KestLib::ExportClash::None:
        // The dialog asked about the name as typed, not about the one completed.
        if (target != choice.path && QFileInfo::exists(target) &&
            !prompts.askOverwrite(
                window, caption,
                QCoreApplication::translate("MainWindow", "File %1 already exists.\nDo you want to override it?")
                    .arg(shown)))
            return {};
        break;
    }
    try {
        KestLib::writeFileAtomically(
            path, PwText::exportCsv(book.database(), encodingAt(exportEncodings, choice.filterIndex)));
    } catch (const KestLib::ErrorMsg& error) {
        warnUser(prompts, window, tr("The file %1 can't be written: %2").arg(target, fromBig5(error.message())),
                 coreErrorDetails(error));
        return {};
    }
    return target;
}
