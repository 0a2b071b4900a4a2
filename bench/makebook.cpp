// Writes a generated book of COUNT transactions to PATH (".pwdb" is added
// unless PATH ends so), for the whole-process timings of tools/bench-cold.
//
//   makebook COUNT PATH

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/errormsg.h"
#include "tests/support/generatedbook.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: makebook COUNT PATH\n");
        return 2;
    }
    const int count = std::atoi(argv[1]);
    if (count < 0) {
        std::fprintf(stderr, "makebook: COUNT must not be negative\n");
        return 2;
    }
    std::string path = argv[2];
    try {
        BenchBooks::generateBook(count).saveFile(path);
    } catch (const KestLib::ErrorMsg& error) {
        std::fprintf(stderr, "makebook: %s\n", error.message().c_str());
        return 1;
    }
    return 0;
}
