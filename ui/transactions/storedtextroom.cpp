#include "ui/transactions/storedtextroom.h"

#include <QCoreApplication>

#include "core/accountdb.h"
#include "text/big5text.h"
#include "ui/book/book.h"
#include "ui/book/formatquestion.h"
#include "ui/prompts/warnuser.h"

// The warnings are the transaction dialog's, and translated as its own.

PwText::BookTextCodec& StoredTextRoom::texts() const {
    // A refusal may lead to the book's conversion while the dialog is open:
    // asked each time, the codec is always the one of the book as it is.
    if (book) return book->texts();
    if (ownTexts.storesUtf8() != (db->format() == 2)) ownTexts = PwText::BookTextCodec(*db);
    return ownTexts;
}

std::string StoredTextRoom::storedBytes(const QString& text) const {
    PwText::BookTextCodec& codec = texts();
    if (!codec.storesUtf8()) return toBig5(text);
    std::string stored;
    return codec.fromText(text, stored) ? stored : std::string(1, '\0');
}

bool StoredTextRoom::makeRoom(const QString& text, PwText::StoredTextKind kind) const {
    if (texts().storesUtf8() || fitsBig5(text)) return acceptable(text, kind);
    // A text format 1 can't hold may be kept by converting the book.
    const FormatRoom room = FormatQuestion::forText(book, prompts, parent, text, kind);
    if (room == FormatRoom::None) acceptable(text, kind);
    return room == FormatRoom::Made;
}

bool StoredTextRoom::acceptable(const QString& text, PwText::StoredTextKind kind) const {
    const bool comment = kind == PwText::StoredTextKind::Comment;
    PwText::BookTextCodec& codec = texts();
    if (!codec.storesUtf8()) {
        if (fitsBig5(text)) return true;
        warnUser(prompts, parent,
                 comment ? QCoreApplication::translate("TransactionDialog",
                                                       "The comment can't be stored in a Pennywell database file: "
                                                       "it may hold only Big5 characters and at most 255 bytes.")
                         : QCoreApplication::translate("TransactionDialog",
                                                       "The type name can't be stored in a Pennywell database file: "
                                                       "it may hold only Big5 characters and at most 255 bytes."));
        return false;
    }
    std::string stored;
    if (!codec.fromText(text, stored)) {
        warnUser(prompts, parent,
                 comment ? QCoreApplication::translate("TransactionDialog",
                                                       "The comment can't be stored in this database: it holds a "
                                                       "control character other than the tab, or a code that is no "
                                                       "character.")
                         : QCoreApplication::translate("TransactionDialog",
                                                       "The type name can't be stored in this database: it holds a "
                                                       "control character other than the tab, or a code that is no "
                                                       "character."));
        return false;
    }
    if (codec.fault(stored, kind) == PwText::StoredTextFault::None) return true;
    const qsizetype limit = static_cast<qsizetype>(codec.limit(kind));
    const qsizetype size = static_cast<qsizetype>(codec.size(stored));
    warnUser(prompts, parent,
             (comment ? QCoreApplication::translate("TransactionDialog",
                                                    "The comment can't be stored in this database: it is %1 "
                                                    "characters long, and a comment may have at most %2.")
                      : QCoreApplication::translate("TransactionDialog",
                                                    "The type name can't be stored in this database: it is %1 "
                                                    "characters long, and a name may have at most %2."))
                 .arg(size)
                 .arg(limit));
    return false;
}
