#pragma once

#include <QDateEdit>
#include <optional>

#include "text/isodate.h"

// A date box as the book's windows use it: year/month/day with a calendar
// pop-up, over every date a book can hold that a calendar can show.
//
// A date typed over the box's text is read as a whole when the typing ends
// (Enter, Tab, another key, the box left), in any form TypedDate reads, the
// interface language's own among them; what is no date, or lies more than a
// hundred years away, is not taken without a word. Digits typed into a
// section the user moved to edit that section, as the toolkit's box does.
// Keys: + and - a day, Page Up and Page Down a month, T today, Alt+Down or
// F4 the calendar.
//
// A stored date the box can't show (a day the calendar doesn't have, year 0,
// a year beyond four digits) is shown as its text and kept as it is until the
// user changes the date, so looking at a transaction never rewrites its date.
class BookDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit BookDateEdit(const QDate& date, QWidget* parent = nullptr);

    // The widest range a box takes: the four-digit years the book's dates are
    // written with (year 1 to 9999, as its CSV files hold them).
    static QDate earliest();
    static QDate latest();

    // Shows a date as the book stores it; bookDate() gives it back unchanged,
    // whether or not the box can show it, until the user changes the date.
    void setBookDate(const PwText::Date& stored);
    PwText::Date bookDate() const;

    // Stepping a kept date starts from the nearest date the box can show.
    void stepBy(int steps) override;

    // Ends a date being typed: true when there is none or it was taken;
    // false, with the message shown and the typed text kept, when it was
    // refused. A year far away is taken when the same text is ended twice.
    bool commitTyping();
    bool isTyping() const { return typingActive; }
    // How a date is typed in the interface language, such as "d.M.y".
    static QString languageForm();

signals:
    // A typed date was not taken; the message says why and how to type it.
    void typingRefused(const QString& message);

protected:
    bool event(QEvent* event) override;
    // Tab leaves the box at once rather than walking its sections, which
    // the arrow keys and typing still reach.
    bool focusNextPrevChild(bool next) override;
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void forgetKeptDate();
    // The user starts to change a kept date: the box shows the nearest date
    // it can, for the edit to start from.
    void editKeptDate();
    QDate nearestShown(const PwText::Date& stored) const;
    // The keys beside the toolkit's: true when the key was one of them.
    bool moveByKey(const QKeyEvent* event);
    void moveTo(QDate date);
    void openCalendar();
    void showTyping();
    void cancelTyping();
    void refuse(const QString& message);

    // The stored date the box can't show; the box then sits at its minimum,
    // where it shows the special text instead of a date.
    std::optional<PwText::Date> keptDate;
    bool showingKeptDate = false;
    // The last key completed a section and the box moved on by itself, so a
    // separator typed next has nothing left to do.
    bool advancedByItself = false;
    // A date being typed over the text, not yet read.
    bool typingActive = false;
    QString typing;
    // A far year the user was told of: ending the same text again takes it.
    QString farYearTold;
};
