#include "ui/languages/languagefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <utility>

namespace {

const QString programPrefix = QStringLiteral("Pennywell_");
const QString toolkitPrefix = QStringLiteral("qt_");
// Every program file translates this text into the name of its own language.
constexpr const char* languageNameText = QT_TRANSLATE_NOOP("MainWindow", "English");

}  // namespace

LanguageFolder::LanguageFolder(QString path) : folder(std::move(path)) {}

QString LanguageFolder::locate(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("/languages");
    if (QFileInfo(beside).isDir()) return beside;
    // An installed program lives in <prefix>/bin, its data in <prefix>/share.
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/pennywell/languages"));
    if (QFileInfo(installed).isDir()) return installed;
    return beside;
}

QString LanguageFolder::localeOf(const QString& fileName) {
    const qsizetype underscore = fileName.indexOf(u'_');
    if (underscore < 0) return QString();
    const qsizetype dot = fileName.indexOf(u'.', underscore + 1);
    return fileName.mid(underscore + 1, dot < 0 ? -1 : dot - underscore - 1);
}

QList<LanguageFolder::Language> LanguageFolder::languages() const {
    QList<Language> found;
    // An empty path would list the current directory.
    if (folder.isEmpty()) return found;

    const QStringList files =
        QDir(folder).entryList({programPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        QTranslator probe;
        (void)probe.load(file, folder);
        const QString locale = localeOf(file);
        // Each file names its own language, so the menu reads the same in
        // whatever language is shown.
        const QString name = probe.translate("MainWindow", languageNameText);
        found.append({locale, name.isEmpty() ? locale : name});
    }
    return found;
}

void LanguageFolder::load(const QString& locale, QTranslator& program, QTranslator& toolkit) const {
    (void)program.load(programPrefix + locale, folder);
    (void)toolkit.load(toolkitPrefix + locale, folder);
}
