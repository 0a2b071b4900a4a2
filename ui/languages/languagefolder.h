#pragma once

#include <QList>
#include <QString>

class QTranslator;

// The folder of compiled translation files the Language menu offers: the
// program's own "Pennywell_<locale>.qm" files and, beside them, the toolkit's
// "qt_<locale>.qm" with the catalogues it loads.
class LanguageFolder {
public:
    struct Language {
        QString locale;  // "de", "zh_TW"
        QString name;    // the file's own name of its language, or the locale
    };

    explicit LanguageFolder(QString path);

    // Where the languages of a program in programFolder lie: beside it in a
    // build folder, or in the installed share folder of its prefix. The
    // first that exists wins; when neither does, the one beside it, which
    // then offers nothing.
    static QString locate(const QString& programFolder);

    // The part of a file name after its first "_", up to the first "." after that.
    static QString localeOf(const QString& fileName);

    // The program's translation files, in file-name order with case ignored.
    // A file that can't be read is still offered, under its locale.
    QList<Language> languages() const;

    // Loads a language into the two translators. A file that isn't there
    // leaves its translator empty, so those texts show in English.
    void load(const QString& locale, QTranslator& program, QTranslator& toolkit) const;

private:
    QString folder;
};
