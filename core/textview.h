#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace KestLib {

// Read-only bytes held by a record, handed out without copying them. A book
// of a million transactions keeps its comments packed rather than as a
// million std::string objects, so the comment is read through this view. It
// converts to std::string_view and, by copying, to std::string, so callers
// use it as they would a const std::string&. It stays valid while the record
// it came from is neither changed nor removed.
class TextView {
public:
    constexpr TextView() = default;
    constexpr TextView(const char* bytes, std::size_t size) : bytes(bytes), count(size) {}

    constexpr const char* data() const { return bytes; }
    constexpr std::size_t size() const { return count; }
    constexpr bool empty() const { return count == 0; }
    constexpr const char* begin() const { return bytes; }
    constexpr const char* end() const { return bytes + count; }
    constexpr char operator[](std::size_t position) const { return bytes[position]; }

    constexpr std::string_view view() const { return {bytes, count}; }
    std::string str() const { return std::string(bytes, count); }
    constexpr operator std::string_view() const { return view(); }
    operator std::string() const { return str(); }

    friend constexpr bool operator==(TextView a, TextView b) { return a.view() == b.view(); }
    friend constexpr bool operator==(TextView a, std::string_view b) { return a.view() == b; }
    friend constexpr bool operator==(TextView a, const std::string& b) { return a.view() == std::string_view(b); }
    friend constexpr bool operator==(TextView a, const char* b) { return a.view() == std::string_view(b); }

private:
    const char* bytes = "";
    std::size_t count = 0;
};

std::ostream& operator<<(std::ostream& out, TextView text);

}  // namespace KestLib
