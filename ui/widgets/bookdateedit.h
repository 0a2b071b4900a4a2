#pragma once

#include <QDateEdit>
#include <optional>

#include "text/isodate.h"

// A date box as the book's windows use it: year/month/day with a calendar
// pop-up, over every date a book can hold that a calendar can show, and
// typed the way it is shown.
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

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void forgetKeptDate();
    // The user starts to change a kept date: the box shows the nearest date
    // it can, for the edit to start from.
    void editKeptDate();
    QDate nearestShown(const PwText::Date& stored) const;

    // The stored date the box can't show; the box then sits at its minimum,
    // where it shows the special text instead of a date.
    std::optional<PwText::Date> keptDate;
    bool showingKeptDate = false;
    // The last key completed a section and the box moved on by itself, so a
    // separator typed next has nothing left to do.
    bool advancedByItself = false;
};
