#pragma once

#include <QMenu>

class RecentBooks;

// File > Recent Books: one entry per recent book, numbered 1 to 8 as
// mnemonics, then Clear. The entries are built afresh each time the menu is
// shown, after the books that are gone were dropped, so the menu never offers
// a file that can't be there.
class RecentBooksMenu : public QMenu {
    Q_OBJECT

public:
    // books is not owned and must outlive the menu.
    RecentBooksMenu(RecentBooks& books, QWidget* parent);

    // The title and the entries in the current language.
    void retranslate();

public slots:
    // Drops the missing books and builds the entries again.
    void refresh();

signals:
    void bookChosen(const QString& path);

private:
    static QString entryText(int number, const QString& path);
    RecentBooks& books;
};
