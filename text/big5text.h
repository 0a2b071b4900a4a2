#pragma once

#include <QString>
#include <string>
#include <string_view>

// Stored text (database name, type names, comments) is Big5 bytes, as the
// file format needs. These helpers are the one place where it crosses the
// boundary between the GUI and the core.

// The Big5 bytes of text, up to its first zero byte.
std::string toBig5(const QString& text);

// True when text encodes to Big5 without loss in at most maxBytes bytes.
bool fitsBig5(const QString& text, int maxBytes = 255);

// The first character of text (one or two UTF-16 units) that Big5 can't
// store without loss, or an empty string when every one can by itself.
QString firstNonBig5Character(const QString& text);

// Stored bytes for display, decoded as Big5 and never looked up in the
// translations: a type named "Income" reads "Income" in every language.
// Takes a view, so that a stored comment is decoded without a copy.
QString fromBig5(std::string_view bytes);

// Stored bytes of a book of format for display, as its BookTextCodec reads
// them but with no converter of its own: Big5 as fromBig5 decodes it in
// format 1, UTF-8 in format 2.
QString fromStored(std::string_view bytes, int format);
