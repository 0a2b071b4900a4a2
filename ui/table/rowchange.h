#pragma once

// What the view sees of a change of the book: a row that changed, came or
// went, or nothing (a row a search hides).
struct RowChange {
    enum Kind { Unseen, Changed, Inserted, Removed };
    Kind kind = Unseen;
    int row = -1;  // the view's row
};
