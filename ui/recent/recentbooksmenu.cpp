#include "ui/recent/recentbooksmenu.h"

#include <QAction>
#include <QDir>

#include "ui/recent/recentbooks.h"

RecentBooksMenu::RecentBooksMenu(RecentBooks& recent, QWidget* parent) : QMenu(parent), books(recent) {
    setObjectName(QStringLiteral("recentBooksMenu"));
    connect(this, &QMenu::aboutToShow, this, &RecentBooksMenu::refresh);
    refresh();
    retranslate();
}

void RecentBooksMenu::retranslate() {
    setTitle(tr("Recent &Books"));
    // The entries are worded again where they are; the books stay as read.
    int number = 0;
    for (QAction* entry : actions()) {
        if (entry->objectName() == QLatin1String("clearRecentBooksAct"))
            entry->setText(tr("&Clear"));
        else if (!entry->isSeparator())
            entry->setText(entryText(++number, entry->data().toString()));
    }
}

QString RecentBooksMenu::entryText(int number, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    // An ampersand in a file name is shown, not taken as a mnemonic.
    shown.replace(u'&', QStringLiteral("&&"));
    return tr("&%1 %2").arg(number).arg(shown);
}

void RecentBooksMenu::refresh() {
    books.dropMissing();
    clear();
    const QStringList paths = books.books();
    for (qsizetype k = 0; k < paths.size(); ++k) {
        const QString path = paths[k];
        QAction* entry = addAction(entryText(static_cast<int>(k) + 1, path));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { emit bookChosen(path); });
    }
    addSeparator();
    QAction* clearAct = addAction(tr("&Clear"));
    clearAct->setObjectName(QStringLiteral("clearRecentBooksAct"));
    clearAct->setEnabled(!paths.isEmpty());
    // The entries are rebuilt the next time the menu is shown; not here, as
    // that would delete the action while it is still being triggered.
    connect(clearAct, &QAction::triggered, this, [this] { books.clear(); });
}
