#pragma once

#include <QObject>

class QUndoCommand;
class QUndoStack;

// The changes made to a book since it was opened, started or last saved
// under a new history, for Undo and Redo. Its clean state is the book's
// saved state.
class BookHistory : public QObject {
    Q_OBJECT

public:
    explicit BookHistory(QObject* parent = nullptr);

    QUndoStack* stack() const { return commands; }
    bool isClean() const;
    // Takes the command of a change already made; its first redo does nothing.
    void push(QUndoCommand* command);
    void markClean();
    // Starts afresh, clean or, for a book never saved, changed.
    void forget(bool unsaved);

signals:
    // A step was taken, done, undone or redone, or the clean state moved.
    void changed();

private:
    QUndoStack* commands;
};
