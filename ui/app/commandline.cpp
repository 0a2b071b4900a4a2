#include "ui/app/commandline.h"

#include <cstdio>
#include <string_view>

#include "pennywellversion.h"

namespace {

// Printed before any translation can be loaded, so in English, as the
// manual page is.
constexpr const char* helpText =
    "Usage: pennywell [Qt options] [BOOK]\n"
    "Keeps a money book: dated income and outgoing, by types of your own.\n"
    "\n"
    "  BOOK       the book (.pwdb) to open at start, as a path or a file:// URL\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "The options of the Qt toolkit, such as -platform NAME or -style NAME, are\n"
    "accepted too. pennywell-cli reads and changes books without the window.\n";

}  // namespace

std::optional<std::string> CommandLine::answer(int argc, const char* const* argv) {
    if (argc != 2) return std::nullopt;
    const std::string_view option = argv[1];
    if (option == "--help") return std::string(helpText);
    if (option == "--version") return std::string("pennywell ") + PENNYWELL_VERSION + "\n";
    return std::nullopt;
}

int CommandLine::print(const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
