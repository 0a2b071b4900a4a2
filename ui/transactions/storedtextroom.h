#pragma once

#include <QString>
#include <string>

#include "text/booktext.h"

class Book;
class QWidget;
class UserPrompts;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// Whether the book a dialog shows can store a text the user typed, by its
// format as it is at that moment: a text format 1 can't hold leads to the
// question that converts the book, a text the format refuses to a warning
// that says why.
class StoredTextRoom {
public:
    explicit StoredTextRoom(QWidget* parent) : parent(parent) {}

    // The book, or a database shown without one (whose format never
    // changes); neither owned.
    void show(Book* shownBook, const KestLib::AccountDB* shownDatabase) {
        book = shownBook;
        db = shownDatabase;
    }
    // Where warnings and the question go; not owned.
    void setPrompts(UserPrompts* replacement) { prompts = replacement; }

    // The codec of the book's texts.
    PwText::BookTextCodec& texts() const;
    // The bytes the book would store for text; a text it can't hold gives
    // bytes no stored text has.
    std::string storedBytes(const QString& text) const;
    // Whether the book can store text as a text of kind, by its format's
    // limits; when not, the user is told why and false returned.
    bool acceptable(const QString& text, PwText::StoredTextKind kind) const;
    // The same, but a text only format 2 holds is first kept by converting
    // the book when the user says so (and then needs no further check).
    bool makeRoom(const QString& text, PwText::StoredTextKind kind) const;

private:
    QWidget* parent;
    Book* book = nullptr;
    const KestLib::AccountDB* db = nullptr;
    UserPrompts* prompts = nullptr;
    // The codec of a database shown without its book.
    mutable PwText::BookTextCodec ownTexts{1};
};
