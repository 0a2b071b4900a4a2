#include "bookargument.h"

#include <QUrl>

QString bookPathFromArgument(const QString& argument) {
    // Only the scheme decides: a file really named "file:x" in the current
    // folder would have to be given as "./file:x", as with other programs.
    if (!argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return argument;
    const QUrl url(argument, QUrl::StrictMode);
    // A URL naming another host is no local file; it is left as it was, so
    // the open fails with the name the user gave.
    if (!url.isValid() || !url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
        return argument;
    return url.toLocalFile();
}
