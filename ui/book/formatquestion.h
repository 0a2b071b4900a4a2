#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "text/booktext.h"
#include "ui/prompts/userprompts.h"

class Book;
class QWidget;

// What the window does when a text or an amount typed into a dialog needs
// the newer format of the book file (format 2: UTF-8 texts, amounts with
// decimals) in a book of the older one. Every dialog asks here, so that the
// question is worded and answered the same everywhere: a new book never
// saved is converted at once, as nothing older has read it; any other book
// only once the user chose Convert. The conversion is one step of the
// book's history.
class FormatQuestion {
    Q_DECLARE_TR_FUNCTIONS(FormatQuestion)

public:
    // Whether text can be stored in book as a text of kind, the book
    // converted first when it must be; None without a book. prompts may be
    // none: then the question and a warning are message boxes.
    static FormatRoom forText(Book* book, UserPrompts* prompts, QWidget* parent, const QString& text,
                              PwText::StoredTextKind kind);
    // The same for an amount typed with digits after its point.
    static FormatRoom forDecimals(Book* book, UserPrompts* prompts, QWidget* parent, int digits);
    // The same for the book's name typed into the name dialog.
    static NameRoom forName(Book& book, UserPrompts* prompts, QWidget* parent);
    // Whether a new book may take name: in format 1 as ever, or in format 2
    // (which it then starts in, the format passed back); none asks.
    static FormatRoom forNewBook(const QString& name, int* format = nullptr);

    // The bytes text is stored as in a book of format 2 (or 1).
    static bool storable(int format, const QString& text, PwText::StoredTextKind kind, std::string* stored = nullptr);

private:
    // Converts book with decimals, once question is answered Convert.
    static FormatRoom convert(Book& book, UserPrompts* prompts, QWidget* parent, int decimals, const QString& question);
};
