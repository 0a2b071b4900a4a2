#pragma once

// How the table is sorted: by one column, up or down. A click on the
// column it is sorted by turns the direction; another column keeps it.
class TableSort {
public:
    void click(int clicked) {
        if (clicked == column)
            ascending = !ascending;
        else
            column = clicked;
    }
    void sortBy(int by, bool up) {
        column = by;
        ascending = up;
    }
    int sortColumn() const { return column; }
    bool isAscending() const { return ascending; }

private:
    int column = 0;
    bool ascending = true;
};
