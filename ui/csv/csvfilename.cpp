#include "ui/csv/csvfilename.h"

#include <QDir>
#include <QFileInfo>

QString CsvFileName::suggested(const QString& bookName, const QString& bookFile) {
    QString name = bookName.trimmed();
    for (QChar& character : name)
        if (character == u'/' || character == u'\\' || character.category() == QChar::Other_Control) character = u'_';
    // Not "." or "..", and not a hidden file.
    while (name.startsWith(u'.')) name.remove(0, 1);
    if (name.isEmpty() && !bookFile.isEmpty()) name = QFileInfo(bookFile).completeBaseName();
    const QDir folder(bookFile.isEmpty() ? QStringLiteral(".") : QFileInfo(bookFile).path());
    return name.isEmpty() ? folder.path() : folder.filePath(name + QStringLiteral(".csv"));
}

QString CsvFileName::completed(const QString& chosen) {
    const QString name = QFileInfo(chosen).fileName();
    if (name.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
    // "export." has no extension either.
    return chosen + (name.endsWith(u'.') ? QStringLiteral("csv") : QStringLiteral(".csv"));
}
