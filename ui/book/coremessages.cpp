#include "book/coremessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "big5text.h"
#include "errormsg.h"

namespace {

constexpr const char* context = "MainWindow";

// Each fixed message of the core, spelled here once more so that lupdate
// lists it for the translators; the test of the table holds it to the core's
// own spelling.
struct FixedMessage {
    const char* core;
    const char* source;
};
constexpr std::array fixedMessages = {
    FixedMessage{KestLib::Msg::outOfBound, QT_TRANSLATE_NOOP("MainWindow", "Array out of bound")},
    FixedMessage{KestLib::Msg::typeInUse,
                 QT_TRANSLATE_NOOP("MainWindow", "There are still other transactions use this type")},
    FixedMessage{KestLib::Msg::noType, QT_TRANSLATE_NOOP("MainWindow", "No transaction type")},
    FixedMessage{KestLib::Msg::noIndex, QT_TRANSLATE_NOOP("MainWindow", "The transaction index is not exist")},
    FixedMessage{KestLib::Msg::fileOpen, QT_TRANSLATE_NOOP("MainWindow", "File open error")},
    FixedMessage{KestLib::Msg::notDatabase, QT_TRANSLATE_NOOP("MainWindow", "Not Pennywell database file")},
    FixedMessage{KestLib::Msg::wrongVersion,
                 QT_TRANSLATE_NOOP("MainWindow", "This PWDB file is correspond with this program")},
    FixedMessage{KestLib::Msg::tooManyTypes, QT_TRANSLATE_NOOP("MainWindow", "Too many transaction types")},
    FixedMessage{KestLib::Msg::damaged, QT_TRANSLATE_NOOP("MainWindow", "Damaged Pennywell database file")},
    FixedMessage{KestLib::Msg::fileWrite, QT_TRANSLATE_NOOP("MainWindow", "File write error")},
    FixedMessage{KestLib::Msg::nameTooLong,
                 QT_TRANSLATE_NOOP("MainWindow", "The database name is longer than 255 bytes")},
    FixedMessage{KestLib::Msg::typeNameTooLong,
                 QT_TRANSLATE_NOOP("MainWindow", "A type name is longer than 255 bytes")},
    FixedMessage{KestLib::Msg::commentTooLong, QT_TRANSLATE_NOOP("MainWindow", "A comment is longer than 255 bytes")},
    FixedMessage{KestLib::Msg::noIndexLeft, QT_TRANSLATE_NOOP("MainWindow", "No transaction index left")},
    FixedMessage{KestLib::Msg::indexInUse, QT_TRANSLATE_NOOP("MainWindow", "The transaction index is in use")},
    FixedMessage{KestLib::Msg::backupNameTooLong,
                 QT_TRANSLATE_NOOP("MainWindow", "The backup file's name would be longer than 255 bytes")},
};

constexpr const char* typeExistsSource = QT_TRANSLATE_NOOP("MainWindow", "The type %1 has existed");
constexpr const char* notEnoughMemorySource = QT_TRANSLATE_NOOP("MainWindow", "not enough memory to read %1");

}  // namespace

QString coreMessageText(const std::string& message) {
    for (const FixedMessage& fixed : fixedMessages)
        if (message == fixed.core) return QCoreApplication::translate(context, fixed.source);

    // The core builds this one around the name; the parts around it are
    // found from the core's own builder, so the two can't drift apart.
    const std::string around = KestLib::Msg::typeExists(std::string());
    const std::string_view head = "The type ";
    const std::string_view tail = std::string_view(around).substr(head.size());
    const std::string_view text = message;
    if (around.starts_with(head) && text.size() >= around.size() && text.starts_with(head) && text.ends_with(tail)) {
        const std::string name(text.substr(head.size(), text.size() - around.size()));
        // The name is stored text, shown as the table shows it.
        return QCoreApplication::translate(context, typeExistsSource).arg(fromBig5(context, name));
    }
    // The file's name is the system's bytes, not stored text.
    const std::string memoryHead = KestLib::Msg::notEnoughMemory(std::string());
    if (text.starts_with(memoryHead)) {
        const QByteArray file = QByteArray::fromStdString(message.substr(memoryHead.size()));
        return QCoreApplication::translate(context, notEnoughMemorySource)
            .arg(QDir::toNativeSeparators(QFile::decodeName(file)));
    }
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
        lines << (error.systemError() == 0
                      ? path
                      : QCoreApplication::translate(context, "%1: %2").arg(path, systemErrorText(error.systemError())));
    }
    if (!kept.isEmpty()) lines << kept;
    return lines.join(u'\n');
}
