#include "bookargument.h"

#include <QUrl>

QString bookPathFromArgument(const QString& argument) {
    // Only the scheme decides: a file really named "file:x" in the current
    // folder would have to be given as "./file:x", as with other programs.
    if (!argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return argument;
    QUrl url(argument, QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile()) return argument;
    // "localhost" is this machine; Qt would keep it as a network path.
    if (url.host() == QLatin1String("localhost")) url.setHost(QString());
    // A URL naming another host is no local file: it is left as it was, so
    // the open fails under the name the user gave.
    if (!url.host().isEmpty()) return argument;
    return url.toLocalFile();
}
