#pragma once

#include <QString>
#include <string>

class QUrl;

// The path of a book file as the operating system knows it: its bytes,
// exactly. File names on Linux are bytes, not text; one that isn't valid
// UTF-8 (a Big5 name, say) would be mangled by a round trip through QString,
// so the path is kept as bytes and decoded only to be shown.
class BookPath {
public:
    BookPath() = default;
    static BookPath fromBytes(std::string bytes);
    // A path typed or chosen in a dialog, in the platform's file-name encoding.
    static BookPath fromDisplay(const QString& path);
    // A command-line argument, byte for byte; a file:// URL naming a local
    // file gives that file's path.
    static BookPath fromArgument(const char* argument);
    // A dropped file; an empty path when the URL names no local file.
    static BookPath fromUrl(const QUrl& url);

    const std::string& bytes() const { return bytes_; }
    bool isEmpty() const { return bytes_.empty(); }
    // For display only: bytes that aren't valid in the file-name encoding
    // show as replacement characters.
    QString display() const;

    friend bool operator==(const BookPath&, const BookPath&) = default;

private:
    std::string bytes_;
};
