#include "ui/languages/languagemenu.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>

#include "ui/languages/languagefolder.h"

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent), group(new QActionGroup(this)) {
    group->setExclusive(true);
}

void LanguageMenu::fill(const QString& languageFolder) {
    folder = languageFolder;
    for (const LanguageFolder::Language& language : LanguageFolder(folder).languages()) {
        const int param = static_cast<int>(locales.size());
        locales.append(language.locale);
        QAction* item = addAction(language.name);
        item->setObjectName(QStringLiteral("language_") + language.locale);
        item->setCheckable(true);
        item->setData(param);
        item->setChecked(language.name == QLatin1String("English"));
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, param] { emit languageChosen(param); });
    }
}

void LanguageMenu::startInEnglish(QTranslator& program, QTranslator& toolkit) {
    const qsizetype english = locales.indexOf(QStringLiteral("en"));
    if (english >= 0) switchTo(static_cast<int>(english), program, toolkit);
}

bool LanguageMenu::switchTo(int param, QTranslator& program, QTranslator& toolkit) {
    if (param < 0 || param >= locales.size()) return false;
    LanguageFolder(folder).load(locales.at(param), program, toolkit);
    current = locales.at(param);
    // Month and day names, in the calendar pop-ups and the file dialogs,
    // follow the language chosen rather than the system's.
    QLocale::setDefault(QLocale(current));
    const QList<QAction*> items = actions();
    for (qsizetype k = 0; k < items.size(); ++k) items[k]->setChecked(k == param);
    return true;
}
