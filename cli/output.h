#pragma once

#include <string>
#include <string_view>
#include <vector>

// A table printed as aligned text: columns two spaces apart, numbers aligned
// to the right, Chinese characters counted as two columns, as a terminal
// shows them. Cells are shown through terminalText, so a name or comment
// from a book can't drive the terminal.
class TextTable {
public:
    enum class Align { Left, Right };
    struct Column {
        std::string title;
        Align align;
    };

    explicit TextTable(std::vector<Column> columns) : columns(std::move(columns)) {}
    void addRow(std::vector<std::string> cells);
    // A line of dashes under the rows so far, e.g. above a total.
    void addRule() { rows.emplace_back(); }
    std::string render() const;

private:
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // an empty row is a rule
};

// The columns a terminal gives the UTF-8 text.
int displayWidth(std::string_view utf8);

// UTF-8 text for a terminal: control characters (C0, DEL and C1) written
// \xHH (\u00HH for C1) and a backslash doubled, so a hostile book can't send
// escape sequences and the shown text still tells what is stored.
std::string terminalText(std::string_view utf8);

// Writes bytes to standard output as they are. A failure is kept for
// closeOut, which reports it; the command goes on as if written.
void writeOut(std::string_view bytes);
// Hands what is buffered to the system, e.g. before a message on standard
// error, keeping a failure for closeOut.
void flushOut();
// The program's name, which begins each of its lines on standard error.
inline constexpr const char* programName = "pennywell-cli";
// A line on standard error, "pennywell-cli: message", after what the command
// has written so far.
void report(const std::string& message);

// Flushes and closes standard output: 0 when every byte reached the system,
// or the errno of the first write that failed.
int closeOut();

// Tells that the command's work is done for good before its report is
// written ("home.pwdb: imported and saved"), so that a report that can't be
// written afterwards is said to be only that: a script must not do the work
// again. Empty until a command says so.
void noteSaved(std::string what);
const std::string& savedNote();
