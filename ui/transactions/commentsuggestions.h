#pragma once

#include <QObject>
#include <vector>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The earlier comments a comment box offers as the user types: each distinct
// comment of the book once, matched anywhere in the comment whatever the
// letter case: those that start with the typed text first, then the others,
// each the most recent first (by date, then by place in the book).
//
// The list is made when the user first types, not when the dialog opens, and
// only once: the dialog changes no transaction while it is open.
class CommentSuggestions : public QObject {
    Q_OBJECT

public:
    // Offers the comments of database in box. Neither is owned; the
    // suggestions are a child of the box.
    CommentSuggestions(QLineEdit* box, const KestLib::AccountDB* database);

signals:
    // A suggestion was chosen: the position in the book of the latest
    // transaction with that comment.
    void chosen(int position);

private:
    void makeList();
    void choose(const QString& comment);

    const KestLib::AccountDB* db;
    QCompleter* completer;
    QStringListModel* comments;
    // For each row of comments, the position of its latest transaction.
    std::vector<int> latest;
    bool made = false;
};
