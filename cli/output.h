#pragma once

#include <string>
#include <string_view>
#include <vector>

// A table printed as aligned text: columns two spaces apart, numbers aligned
// to the right, Chinese characters counted as two columns, as a terminal
// shows them.
class TextTable {
public:
    enum class Align { Left, Right };
    struct Column {
        std::string title;
        Align align;
    };

    explicit TextTable(std::vector<Column> columns) : columns(std::move(columns)) {}
    void addRow(std::vector<std::string> cells) { rows.push_back(std::move(cells)); }
    // A line of dashes under the rows so far, e.g. above a total.
    void addRule() { rows.emplace_back(); }
    std::string render() const;

private:
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // an empty row is a rule
};

// The columns a terminal gives the UTF-8 text.
int displayWidth(std::string_view utf8);

// Writes bytes to standard output as they are.
void writeOut(std::string_view bytes);
