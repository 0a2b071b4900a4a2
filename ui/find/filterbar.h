#pragma once

#include <QTimer>
#include <QWidget>

#include "text/transactionsearch.h"

class Book;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The find bar above the transaction table: a text looked for in the
// comments and type names, a type, income or outgoing, and a date range.
// Hidden until opened; while hidden it asks for nothing. A change of a
// choice is told at once, typing once the keys already waiting are taken
// in: each key typed is searched for (a key that extends the text searches
// only the rows still shown), but the keys pressed while a search ran are
// searched for once.
class FilterBar : public QWidget {
    Q_OBJECT

public:
    explicit FilterBar(QWidget* parent = nullptr);

    // The book whose types the type choice lists, following its changes;
    // not owned, and given once.
    void setBook(const Book& book);
    // The book's types listed again; the chosen one stays chosen while the
    // book has it, else every type is.
    void updateTypes();
    // Every text again, after a language switch.
    void retranslate();

    // Shown, the text field ready for typing over.
    void open();
    // Hidden, every field back to taking every transaction (Escape too).
    void closeBar();

    // What the bar asks for; takes every transaction while hidden. While it
    // shows, a text may follow.
    PwText::TransactionSearch search() const;

    // How long the bar waits after a key before the text is looked for:
    // no longer than it takes to take in the keys already waiting.
    static constexpr int typingPause = 0;  // ms

signals:
    // search() has another answer, or the bar opened or closed (a text may
    // follow now, or no longer).
    void searchChanged();
    // Down or Enter in the text: on to the first row shown.
    void rowsWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed();
    void chosen();
    // Each field set to take every transaction, without a signal.
    void resetFields();

    const KestLib::AccountDB* db = nullptr;
    QLabel* textLabel;
    QLineEdit* textEdit;
    QComboBox* typeBox;
    QComboBox* inOutBox;
    QCheckBox* datesBox;
    QDateEdit* firstDate;
    QLabel* toLabel;
    QDateEdit* lastDate;
    QToolButton* closeButton;
    QTimer typing;
};
