#pragma once

#include <QDialog>
#include <memory>

class QAbstractButton;
class QTextDocument;
class QTextEdit;

// A report too big for the screen, in a box of the message box's caption,
// icon and buttons whose text scrolls, so that its buttons stay in reach.
// The text keeps its whole width: a report wider than the box scrolls
// sideways rather than losing its last column.
class ScrollingReportBox : public QDialog {
    Q_OBJECT

public:
    // text is the report laid out unwrapped, as ReportFit measured it.
    // chartButton empty: Yes alone. The box takes at most the available size.
    ScrollingReportBox(QWidget* parent, const QString& caption, std::unique_ptr<QTextDocument> text,
                       const QString& chartButton, const QSize& available);

    QTextEdit* textView() const { return view; }
    QAbstractButton* chartButton() const { return chart; }
    // The button that closed the box; null when it was closed otherwise.
    QAbstractButton* clickedButton() const { return clicked; }

private:
    QTextEdit* view;
    QAbstractButton* chart = nullptr;
    QAbstractButton* clicked = nullptr;
};
