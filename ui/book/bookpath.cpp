#include "ui/book/bookpath.h"

#include <QFile>
#include <QUrl>

BookPath BookPath::fromBytes(std::string bytes) {
    BookPath path;
    path.bytes_ = std::move(bytes);
    return path;
}

BookPath BookPath::fromDisplay(const QString& path) { return fromBytes(QFile::encodeName(path).toStdString()); }

BookPath BookPath::fromArgument(const char* argument) {
    const std::string bytes = argument ? std::string(argument) : std::string();
    // Desktops start the program with either a path or a file:// URL (file
    // managers differ). Only the scheme decides: a file really named "file:x"
    // in the current folder would have to be given as "./file:x".
    if (QByteArray::fromStdString(bytes).left(5).toLower() != "file:") return fromBytes(bytes);
    QUrl url(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())), QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile()) return fromBytes(bytes);
    // "localhost" is this machine; Qt would keep it as a network path.
    if (url.host() == QLatin1String("localhost")) url.setHost(QString());
    // A URL naming another host is no local file: it is left as it was, so
    // the open fails under the name the user gave.
    if (!url.host().isEmpty()) return fromBytes(bytes);
    return fromUrl(url);
}

BookPath BookPath::fromUrl(const QUrl& url) {
    if (!url.isLocalFile()) return BookPath();
    // The encoded form keeps each byte of a name that isn't UTF-8 as its own
    // escape, where toLocalFile() would decode it as UTF-8 and lose it.
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    return fromBytes(QByteArray::fromPercentEncoding(encoded).toStdString());
}

QString BookPath::display() const {
    return QFile::decodeName(QByteArray(bytes_.data(), static_cast<qsizetype>(bytes_.size())));
}
