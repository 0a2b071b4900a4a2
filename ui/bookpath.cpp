#include "bookpath.h"

#include <QFile>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace {
constexpr std::string_view extension = ".pwdb";
}  // namespace

BookPath BookPath::fromBytes(std::string bytes) {
    BookPath path;
    path.bytes_ = std::move(bytes);
    return path;
}

BookPath BookPath::fromDisplay(const QString& path) { return fromBytes(QFile::encodeName(path).toStdString()); }

BookPath BookPath::fromArgument(const char* argument) { return fromBytes(argument ? std::string(argument) : std::string()); }

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

BookPath BookPath::completed() const {
    if (bytes_.ends_with(extension)) return *this;
    return fromBytes(bytes_ + std::string(extension));
}

bool BookPath::exists() const {
    if (bytes_.empty()) return false;
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(bytes_), error);
}
