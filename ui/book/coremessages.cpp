#include "ui/book/coremessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "text/big5text.h"
#include "core/errormsg.h"

namespace {

constexpr const char* context = "MainWindow";

// Each fixed message of the core by its code, spelled here once more so that
// lupdate lists it for the translators; the test of the languages holds it
// to the core's own spelling.
struct FixedMessage {
    KestLib::ErrorCode code;
    const char* source;
};
using KestLib::ErrorCode;
constexpr std::array fixedMessages = {
    FixedMessage{ErrorCode::outOfBound, QT_TRANSLATE_NOOP("MainWindow", "Array out of bound")},
    FixedMessage{ErrorCode::typeInUse, QT_TRANSLATE_NOOP("MainWindow", "There are still other transactions use this type")},
    FixedMessage{ErrorCode::noType, QT_TRANSLATE_NOOP("MainWindow", "No transaction type")},
    FixedMessage{ErrorCode::noIndex, QT_TRANSLATE_NOOP("MainWindow", "The transaction index is not exist")},
    FixedMessage{ErrorCode::fileOpen, QT_TRANSLATE_NOOP("MainWindow", "File open error")},
    FixedMessage{ErrorCode::notDatabase, QT_TRANSLATE_NOOP("MainWindow", "Not Pennywell database file")},
    FixedMessage{ErrorCode::wrongVersion, QT_TRANSLATE_NOOP("MainWindow", "This PWDB file is correspond with this program")},
    FixedMessage{ErrorCode::tooManyTypes, QT_TRANSLATE_NOOP("MainWindow", "Too many transaction types")},
    FixedMessage{ErrorCode::damaged, QT_TRANSLATE_NOOP("MainWindow", "Damaged Pennywell database file")},
    FixedMessage{ErrorCode::fileWrite, QT_TRANSLATE_NOOP("MainWindow", "File write error")},
    FixedMessage{ErrorCode::nameTooLong, QT_TRANSLATE_NOOP("MainWindow", "The database name is longer than 255 bytes")},
    FixedMessage{ErrorCode::typeNameTooLong, QT_TRANSLATE_NOOP("MainWindow", "A type name is longer than 255 bytes")},
    FixedMessage{ErrorCode::commentTooLong, QT_TRANSLATE_NOOP("MainWindow", "A comment is longer than 255 bytes")},
    FixedMessage{ErrorCode::noIndexLeft, QT_TRANSLATE_NOOP("MainWindow", "No transaction index left")},
    FixedMessage{ErrorCode::indexInUse, QT_TRANSLATE_NOOP("MainWindow", "The transaction index is in use")},
    FixedMessage{ErrorCode::backupNameTooLong,
                 QT_TRANSLATE_NOOP("MainWindow", "The backup file's name would be longer than 255 bytes")},
};

constexpr const char* typeExistsSource = QT_TRANSLATE_NOOP("MainWindow", "The type %1 has existed");
constexpr const char* notEnoughMemorySource = QT_TRANSLATE_NOOP("MainWindow", "not enough memory to read %1");

QString typeExistsText(const std::string& name) {
    // The name is stored text, shown as the table shows it.
    return QCoreApplication::translate(context, typeExistsSource).arg(fromBig5(context, name));
}

QString notEnoughMemoryText(const std::string& file) {
    // The file's name is the system's bytes, not stored text.
    return QCoreApplication::translate(context, notEnoughMemorySource)
        .arg(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(file))));
}

}  // namespace

QString coreMessageText(const KestLib::ErrorMsg& error) {
    if (error.code() == ErrorCode::typeExists) return typeExistsText(error.subject());
    if (error.code() == ErrorCode::notEnoughMemory) return notEnoughMemoryText(error.path());
    for (const FixedMessage& fixed : fixedMessages)
        if (error.code() == fixed.code) return QCoreApplication::translate(context, fixed.source);
    return fromBig5(context, error.message());
}

QString coreMessageText(const std::string& message) {
    for (const FixedMessage& fixed : fixedMessages)
        if (message == KestLib::ErrorMsg(fixed.code).message()) return QCoreApplication::translate(context, fixed.source);

    // The core builds this one around the name; the parts around it are
    // found from the core's own builder, so the two can't drift apart.
    const std::string around = KestLib::Msg::typeExists(std::string());
    const std::string_view head = "The type ";
    const std::string_view tail = std::string_view(around).substr(head.size());
    const std::string_view text = message;
    if (around.starts_with(head) && text.size() >= around.size() && text.starts_with(head) && text.ends_with(tail))
        return typeExistsText(std::string(text.substr(head.size(), text.size() - around.size())));
    const std::string memoryHead = KestLib::Msg::notEnoughMemory(std::string());
    if (text.starts_with(memoryHead)) return notEnoughMemoryText(message.substr(memoryHead.size()));
    return fromBig5(context, message);
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
