#include "ui/prompts/coremessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/errormsg.h"
#include "text/big5text.h"

namespace {

constexpr const char* context = "MainWindow";

// Each message of the core by its code, spelled here once more so that
// lupdate lists it for the translators; the test of the languages holds
// every code's source to the core's own spelling, but that of a file that
// can't be opened for writing, which names the file.
struct CoreMessage {
    KestLib::ErrorCode code;
    const char* source;
};
using KestLib::ErrorCode;
constexpr std::array coreMessages = {
    CoreMessage{ErrorCode::outOfBound, QT_TRANSLATE_NOOP("MainWindow", "Array out of bound")},
    CoreMessage{ErrorCode::typeInUse,
                QT_TRANSLATE_NOOP("MainWindow", "There are still other transactions use this type")},
    CoreMessage{ErrorCode::noType, QT_TRANSLATE_NOOP("MainWindow", "No transaction type")},
    CoreMessage{ErrorCode::noIndex, QT_TRANSLATE_NOOP("MainWindow", "The transaction index is not exist")},
    CoreMessage{ErrorCode::fileOpen, QT_TRANSLATE_NOOP("MainWindow", "File open error")},
    CoreMessage{ErrorCode::notDatabase, QT_TRANSLATE_NOOP("MainWindow", "Not Pennywell database file")},
    CoreMessage{ErrorCode::wrongVersion,
                QT_TRANSLATE_NOOP("MainWindow", "This PWDB file is correspond with this program")},
    CoreMessage{ErrorCode::tooManyTypes, QT_TRANSLATE_NOOP("MainWindow", "Too many transaction types")},
    CoreMessage{ErrorCode::damaged, QT_TRANSLATE_NOOP("MainWindow", "Damaged Pennywell database file")},
    CoreMessage{ErrorCode::fileWrite, QT_TRANSLATE_NOOP("MainWindow", "File write error")},
    CoreMessage{ErrorCode::nameTooLong, QT_TRANSLATE_NOOP("MainWindow", "The database name is longer than 255 bytes")},
    CoreMessage{ErrorCode::typeNameTooLong, QT_TRANSLATE_NOOP("MainWindow", "A type name is longer than 255 bytes")},
    CoreMessage{ErrorCode::commentTooLong, QT_TRANSLATE_NOOP("MainWindow", "A comment is longer than 255 bytes")},
    CoreMessage{ErrorCode::noIndexLeft, QT_TRANSLATE_NOOP("MainWindow", "No transaction index left")},
    CoreMessage{ErrorCode::indexInUse, QT_TRANSLATE_NOOP("MainWindow", "The transaction index is in use")},
    CoreMessage{ErrorCode::backupNameTooLong,
                QT_TRANSLATE_NOOP("MainWindow", "The backup file's name would be longer than 255 bytes")},
    CoreMessage{ErrorCode::badBudgetPeriod,
                QT_TRANSLATE_NOOP("MainWindow", "From, Today and To must be dates in this order")},
    CoreMessage{ErrorCode::typeExists, QT_TRANSLATE_NOOP("MainWindow", "The type %1 has existed")},
    CoreMessage{ErrorCode::notEnoughMemory, QT_TRANSLATE_NOOP("MainWindow", "not enough memory to read %1")},
    CoreMessage{ErrorCode::newerVersion, QT_TRANSLATE_NOOP("MainWindow", "This book was made by a newer Pennywell")},
    CoreMessage{ErrorCode::notStorableText,
                QT_TRANSLATE_NOOP("MainWindow", "A text is not UTF-8 or holds a control character")},
    CoreMessage{ErrorCode::nameTooLongFormat2,
                QT_TRANSLATE_NOOP("MainWindow", "The database name is longer than 100 characters")},
    CoreMessage{ErrorCode::typeNameTooLongFormat2,
                QT_TRANSLATE_NOOP("MainWindow", "A type name is longer than 100 characters")},
    CoreMessage{ErrorCode::commentTooLongFormat2,
                QT_TRANSLATE_NOOP("MainWindow", "A comment is longer than 1000 characters")},
    CoreMessage{ErrorCode::badDecimals, QT_TRANSLATE_NOOP("MainWindow", "A book keeps 0, 2 or 3 decimals")},
    CoreMessage{ErrorCode::amountTooLarge,
                QT_TRANSLATE_NOOP("MainWindow", "An amount is too large for the book's decimals")},
    CoreMessage{ErrorCode::amountLosesDigits,
                QT_TRANSLATE_NOOP("MainWindow", "An amount has more decimals than the book would keep")},
    // The core says "File open error" for both ways a file fails to open;
    // the user is told which, and of which file.
    CoreMessage{ErrorCode::fileOpenForWriting,
                QT_TRANSLATE_NOOP("MainWindow", "The file %1 could not be opened for writing")},
};

// The messages whose "%1" is the error's file rather than its subject.
bool namesItsFile(ErrorCode code) {
    return code == ErrorCode::notEnoughMemory || code == ErrorCode::fileOpenForWriting;
}

// The message of code in the program's language, with subject, the core's
// bytes, in the place of its "%1".
QString translatedText(ErrorCode code, const std::string& subject, int format = 1) {
    const QString text = QCoreApplication::translate(context, coreMessageSource(code));
    if (std::string_view(coreMessageSource(code)).find("%1") == std::string_view::npos) return text;
    // A file's name is the system's bytes; a type's name is stored text,
    // shown as the table shows it.
    if (namesItsFile(code))
        return text.arg(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(subject))));
    return text.arg(fromStored(subject, format));
}

}  // namespace

const char* coreMessageSource(KestLib::ErrorCode code) {
    for (const CoreMessage& message : coreMessages)
        if (message.code == code) return message.source;
    return nullptr;
}

QString coreMessageText(const KestLib::ErrorMsg& error, int format) {
    if (coreMessageSource(error.code()) == nullptr) return fromBig5(error.message());
    return translatedText(error.code(), namesItsFile(error.code()) ? error.path() : error.subject(), format);
}

QString coreMessageText(const std::string& message) {
    // Found by the core's own spelling, so the two can't drift apart; the
    // subject is what stands between the parts around "%1". A text shared
    // by two codes is the first's: "File open error" alone can't tell which
    // way the file failed to open.
    const std::string_view text = message;
    for (const CoreMessage& known : coreMessages) {
        const std::string_view spelling = KestLib::errorText(known.code);
        const std::size_t at = spelling.find("%1");
        if (at == std::string_view::npos) {
            if (text == spelling) return translatedText(known.code, {});
            continue;
        }
        const std::string_view head = spelling.substr(0, at);
        const std::string_view tail = spelling.substr(at + 2);
        if (text.size() >= head.size() + tail.size() && text.starts_with(head) && text.ends_with(tail))
            return translatedText(known.code,
                                  std::string(text.substr(head.size(), text.size() - head.size() - tail.size())));
    }
    return fromBig5(message);
}

QString systemErrorText(int error) {
    // The reasons a person can act on most often, worded for translation;
    // any other in the C library's words for the current locale.
    struct Reason {
        int error;
        const char* text;
    };
    static constexpr Reason reasons[] = {
        {ENOENT, QT_TRANSLATE_NOOP("MainWindow", "No such file or folder")},
        {EACCES, QT_TRANSLATE_NOOP("MainWindow", "Permission denied")},
        {EPERM, QT_TRANSLATE_NOOP("MainWindow", "Operation not permitted")},
        {EISDIR, QT_TRANSLATE_NOOP("MainWindow", "Is a folder")},
        {ENOTDIR, QT_TRANSLATE_NOOP("MainWindow", "Not a folder")},
        {ENOSPC, QT_TRANSLATE_NOOP("MainWindow", "Disk full")},
        {EDQUOT, QT_TRANSLATE_NOOP("MainWindow", "Disk quota exceeded")},
        {EFBIG, QT_TRANSLATE_NOOP("MainWindow", "File too large")},
        {EROFS, QT_TRANSLATE_NOOP("MainWindow", "Read-only file system")},
        {EIO, QT_TRANSLATE_NOOP("MainWindow", "Input/output error")},
    };
    for (const Reason& reason : reasons)
        if (reason.error == error) return QCoreApplication::translate(context, reason.text);
    return QString::fromLocal8Bit(std::strerror(error));
}

QString coreErrorDetails(const KestLib::ErrorMsg& error, const QString& kept) {
    QStringList lines;
    if (!error.path().empty()) {
        const QString path = QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(error.path())));
        //: A file's path, then why the system refused it ("Permission denied")
        const QString pathAndReason = QCoreApplication::translate("MainWindow", "%1: %2");
        lines << (error.systemError() == 0 ? path : pathAndReason.arg(path, systemErrorText(error.systemError())));
    }
    if (!kept.isEmpty()) lines << kept;
    return lines.join(u'\n');
}
