#include "ui/history/bookhistory.h"

#include <QUndoStack>

BookHistory::BookHistory(QObject* parent) : QObject(parent), commands(new QUndoStack(this)) {
    connect(commands, &QUndoStack::indexChanged, this, &BookHistory::changed);
    connect(commands, &QUndoStack::cleanChanged, this, &BookHistory::changed);
}

bool BookHistory::isClean() const { return commands->isClean(); }

void BookHistory::push(QUndoCommand* command) { commands->push(command); }

void BookHistory::markClean() { commands->setClean(); }

void BookHistory::forget(bool unsaved) {
    // An empty history is left as it is by clear, clean state included.
    commands->clear();
    if (unsaved)
        commands->resetClean();
    else
        commands->setClean();
}
