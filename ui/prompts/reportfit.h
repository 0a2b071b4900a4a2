#pragma once

#include <QSize>
#include <QString>
#include <memory>

class QTextDocument;

// Whether a report fits the plain message box: its text as the box's label
// lays it out, with the icon, the margins and the buttons around it and
// room for the window's frame, within the screen's available area. A
// report that doesn't fit goes to a box whose text scrolls, which takes
// the text as measured here rather than laying it out again.
class ReportFit {
public:
    explicit ReportFit(const QString& text);
    ~ReportFit();

    // The text unwrapped, as wide as its widest line or table.
    QSize textSize() const { return natural; }
    bool fits(const QSize& available) const;
    // The text, laid out unwrapped in the message box's font.
    std::unique_ptr<QTextDocument> takeDocument();

    // What a report box needs beside its text, and the room the window's
    // frame takes on the screen.
    static QSize aroundText();
    static QSize frameRoom();

private:
    QString text;
    std::unique_ptr<QTextDocument> document;
    QSize natural;
};
