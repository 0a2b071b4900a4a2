#include "ui/widgets/bookdateedit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <algorithm>

#include "ui/widgets/typeddate.h"

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
    if (!commitTyping()) return;
    editKeptDate();
    QDateEdit::stepBy(steps);
}

QString BookDateEdit::languageForm() {
    //: How a date is typed in this language: d (day), M (month) and y (year) in their order, with the
    //: separator written between them, such as d.M.y. Year/month/day is taken in every language.
    return tr("y/M/d");
}

bool BookDateEdit::commitTyping() {
    if (!typingActive) return true;
    const QDate today = QDate::currentDate();
    const TypedDate read = TypedDate::read(typing, languageForm(), date(), today);
    const QString typed = typing;
    if (read.reading == TypedDate::Reading::NotADate) {
        cancelTyping();
        refuse(tr("\"%1\" is not a date: type the date as %2.").arg(typed, TypedDate::example(languageForm(), today)));
        return false;
    }
    if (read.date < minimumDate() || read.date > maximumDate()) {
        cancelTyping();
        refuse(tr("%1 is not a date this box takes: it takes %2 to %3.")
                   .arg(read.date.toString(displayFormat()), minimumDate().toString(displayFormat()),
                        maximumDate().toString(displayFormat())));
        return false;
    }
    if (read.reading == TypedDate::Reading::FarYear && typed != farYearTold) {
        // Told once; the same text ended again is meant.
        farYearTold = typed;
        refuse(tr("%1 is more than 100 years from today. Press Enter again to take it.")
                   .arg(read.date.toString(displayFormat())));
        return false;
    }
    typingActive = false;
    typing.clear();
    farYearTold.clear();
    setDate(read.date);
    return true;
}

void BookDateEdit::showTyping() {
    // The box keeps its date until the typing is read as a whole; the
    // toolkit must not read each key on its own.
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(typing);
    lineEdit()->setCursorPosition(static_cast<int>(typing.size()));
}

void BookDateEdit::cancelTyping() {
    typingActive = false;
    typing.clear();
    farYearTold.clear();
    // Shows the date the box holds again.
    setDate(date());
    lineEdit()->selectAll();
}

void BookDateEdit::refuse(const QString& message) {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), message, this, QRect(), 10000);
    emit typingRefused(message);
}

void BookDateEdit::moveTo(QDate target) {
    setDate(std::clamp(target, minimumDate(), maximumDate()));
    // Digits typed next are a whole date again.
    lineEdit()->selectAll();
}

bool BookDateEdit::moveByKey(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || (alt && event->key() == Qt::Key_Down)) {
        openCalendar();
        return true;
    }
    if (alt || minimumDate() == maximumDate()) return false;
    const QString text = event->text();
    int days = 0;
    int months = 0;
    if (text == u"+")
        days = 1;
    else if (text == u"-")
        days = -1;
    else if (event->key() == Qt::Key_PageUp)
        months = 1;
    else if (event->key() == Qt::Key_PageDown)
        months = -1;
    else if (text.compare(u"t", Qt::CaseInsensitive) != 0)
        return false;
    editKeptDate();
    moveTo(days || months ? date().addDays(days).addMonths(months) : QDate::currentDate());
    return true;
}

// The toolkit opens the calendar when its arrow is pressed, and offers no
// other way in.
void BookDateEdit::openCalendar() {
    if (isReadOnly() || !calendarPopup()) return;
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QPointF at = arrow.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
}

bool BookDateEdit::event(QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    if (typingActive && (keyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Escape takes back the typing before it closes anything.
        if (event->type() == QEvent::ShortcutOverride && key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        // A refused date keeps the focus, for the user to mend it.
        if (keyPress && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && !commitTyping()) return true;
    }
    return QDateEdit::event(event);
}

bool BookDateEdit::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

void BookDateEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool digit = plain && text.size() == 1 && text.at(0).isDigit();
    if (typingActive) {
        event->accept();
        if (plain && text.size() == 1 && TypedDate::belongsToDate(text.at(0))) {
            typing += text;
            showTyping();
            return;
        }
        if (event->key() == Qt::Key_Backspace) {
            typing.chop(1);
            if (typing.isEmpty())
                cancelTyping();
            else
                showTyping();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            cancelTyping();
            return;
        }
        // Any other key ends the typing, then does its own work.
        if (!commitTyping()) return;
    }
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
    if (!isReadOnly() && moveByKey(event)) {
        event->accept();
        return;
    }
    // Digits over the whole text, or from its start, as the box is entered:
    // a whole date, read when the typing ends.
    if (digit && !isReadOnly() && minimumDate() < maximumDate() && lineEdit()->hasSelectedText() &&
        lineEdit()->selectionStart() == 0) {
        typingActive = true;
        typing = text;
        showTyping();
        event->accept();
        return;
    }
    if (advancedByItself && isSeparatorOf(displayFormat(), event->text())) {
        advancedByItself = false;
        event->accept();
        return;
    }
    const int section = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    advancedByItself = digit && currentSectionIndex() > section;
}

void BookDateEdit::mousePressEvent(QMouseEvent* event) {
    advancedByItself = false;
    if (!commitTyping()) cancelTyping();
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

void BookDateEdit::focusOutEvent(QFocusEvent* event) {
    // Leaving the box ends the typing; a date refused leaves the date as it was.
    if (!commitTyping()) cancelTyping();
    QDateEdit::focusOutEvent(event);
}
