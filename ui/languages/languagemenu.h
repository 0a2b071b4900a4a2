#pragma once

#include <QMenu>
#include <QStringList>

class QActionGroup;
class QTranslator;

// Language: one checkable item a translation file of the folder, each
// under the name its file gives, whatever language is shown.
class LanguageMenu : public QMenu {
    Q_OBJECT

public:
    explicit LanguageMenu(QWidget* parent = nullptr);

    // The items of the folder's files; nothing is loaded at start, so
    // English is the one checked.
    void fill(const QString& languageFolder);
    // Loads the language of item param into the translators and checks its
    // item; false, with nothing changed, when there is no such item.
    bool switchTo(int param, QTranslator& program, QTranslator& toolkit);

signals:
    void languageChosen(int param);

private:
    QString folder;
    QStringList locales;
    QActionGroup* group;
};
