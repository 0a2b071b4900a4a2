#include "recent/recentbooksmenu.h"

#include <QAction>
#include <QDir>

#include "recent/recentbooks.h"

RecentBooksMenu::RecentBooksMenu(RecentBooks& recent, QWidget* parent) : QMenu(parent), books(recent) {
    setObjectName(QStringLiteral("recentBooksMenu"));
    connect(this, &QMenu::aboutToShow, this, &RecentBooksMenu::refresh);
    retranslate();
}

void RecentBooksMenu::retranslate() {
    setTitle(tr("Recent &Books"));
    // The entries are built in the language of their time; build them anew.
    refresh();
}

void RecentBooksMenu::refresh() {
    books.dropMissing();
    clear();
    const QStringList paths = books.books();
    for (qsizetype k = 0; k < paths.size(); ++k) {
        QString shown = QDir::toNativeSeparators(paths[k]);
        // An ampersand in a file name is shown, not taken as a mnemonic.
        shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = addAction(tr("&%1 %2").arg(k + 1).arg(shown));
        const QString path = paths[k];
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
