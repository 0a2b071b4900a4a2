#include "ui/widgets/bookdateedit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

QString storedText(const PwText::Date& date) {
    return QString::asprintf("%04d/%02d/%02d", date.year, date.month, date.day);
}

bool isSeparatorOf(const QString& format, const QString& typed) {
    return typed.size() == 1 && !typed.at(0).isLetterOrNumber() && typed.at(0).isPrint() && format.contains(typed);
}

}  // namespace

BookDateEdit::BookDateEdit(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    setCalendarPopup(true);
    setDateRange(earliest(), latest());
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!showingKeptDate) forgetKeptDate();
    });
}

QDate BookDateEdit::earliest() { return QDate(1, 1, 1); }
QDate BookDateEdit::latest() { return QDate(9999, 12, 31); }

void BookDateEdit::setBookDate(const PwText::Date& stored) {
    advancedByItself = false;
    const QDate date(stored.year, stored.month, stored.day);
    if (date.isValid() && date >= minimumDate() && date <= maximumDate()) {
        forgetKeptDate();
        setDate(date);
        return;
    }
    keptDate = stored;
    setSpecialValueText(storedText(stored));
    showingKeptDate = true;
    setDate(minimumDate());
    showingKeptDate = false;
}

PwText::Date BookDateEdit::bookDate() const {
    if (keptDate) return *keptDate;
    const QDate shown = date();
    return {shown.year(), shown.month(), shown.day()};
}

void BookDateEdit::forgetKeptDate() {
    if (!keptDate) return;
    keptDate.reset();
    setSpecialValueText(QString());
}

QDate BookDateEdit::nearestShown(const PwText::Date& stored) const {
    const int year = std::clamp(stored.year, earliest().year(), latest().year());
    const int month = std::clamp(stored.month, 1, 12);
    const int day = std::clamp(stored.day, 1, QDate(year, month, 1).daysInMonth());
    return std::clamp(QDate(year, month, day), minimumDate(), maximumDate());
}

void BookDateEdit::editKeptDate() {
    if (!keptDate || isReadOnly() || minimumDate() == maximumDate()) return;
    const QDate start = nearestShown(*keptDate);
    forgetKeptDate();
    setDate(start);
}

// The stand-in sits at the minimum, but the kept date may lie anywhere.
QAbstractSpinBox::StepEnabled BookDateEdit::stepEnabled() const {
    if (keptDate && !isReadOnly() && minimumDate() < maximumDate()) return StepUpEnabled | StepDownEnabled;
    return QDateEdit::stepEnabled();
}

void BookDateEdit::stepBy(int steps) {
    editKeptDate();
    QDateEdit::stepBy(steps);
}

void BookDateEdit::keyPressEvent(QKeyEvent* event) {
    const bool digit = event->text().size() == 1 && event->text().at(0).isDigit();
    if (keptDate && event->matches(QKeySequence::SelectAll)) {
        // The box selects nothing of a special text by itself.
        lineEdit()->selectAll();
        event->accept();
        return;
    }
    if (keptDate && (digit || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
        // The kept date's text is no date the box can edit; the edit goes
        // to the same place in the nearest one.
        const bool wholeText = lineEdit()->selectedText() == lineEdit()->text();
        const Section section = currentSection();
        editKeptDate();
        if (wholeText)
            lineEdit()->selectAll();
        else
            setSelectedSection(section);
    }
    if (advancedByItself && isSeparatorOf(displayFormat(), event->text())) {
        advancedByItself = false;
        event->accept();
        return;
    }
    // A whole date typed over the whole text starts at its first section, as
    // it would with that section chosen.
    if (digit && lineEdit()->hasSelectedText() && lineEdit()->selectedText() == lineEdit()->text())
        setSelectedSection(sectionAt(0));
    const int section = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    advancedByItself = digit && currentSectionIndex() > section;
}

void BookDateEdit::mousePressEvent(QMouseEvent* event) {
    advancedByItself = false;
    QDateEdit::mousePressEvent(event);
    // The pop-up opens on the box's date, which for a kept date is only its
    // stand-in; the kept date's month is where the user will look.
    if (keptDate && calendarWidget()->isVisible()) {
        const QDate near = nearestShown(*keptDate);
        calendarWidget()->setCurrentPage(near.year(), near.month());
    }
}

void BookDateEdit::focusInEvent(QFocusEvent* event) {
    advancedByItself = false;
    QDateEdit::focusInEvent(event);
}
