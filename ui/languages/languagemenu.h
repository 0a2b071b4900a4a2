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

    // The items of the folder's files, English checked.
    void fill(const QString& languageFolder);
    // Loads English, the language the program starts in, when the folder
    // has it: the texts are English already, but their plural forms ("1
    // transaction", "2 transactions") are in its file.
    void startInEnglish(QTranslator& program, QTranslator& toolkit);
    // Loads the language of item param into the translators and checks its
    // item; false, with nothing changed, when there is no such item.
    bool switchTo(int param, QTranslator& program, QTranslator& toolkit);
    // The locale loaded last ("de"), empty before any.
    QString currentLocale() const { return current; }

signals:
    void languageChosen(int param);

private:
    QString folder;
    QStringList locales;
    QString current;
    QActionGroup* group;
};
