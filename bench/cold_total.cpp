// A cold process as a command line would be one: load the book named on the
// command line and print the total of every transaction (income added,
// outgoing subtracted). tools/bench-cold times it when the build has no
// pennywell-cli.
//
//   cold_total BOOK

#include <cinttypes>
#include <cstdio>

#include "core/accountdb.h"
#include "core/errormsg.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cold_total BOOK\n");
        return 2;
    }
    try {
        KestLib::AccountDB db;
        db.loadFile(argv[1]);
        std::printf("%" PRId64 "\n", db.sumAmount(-1, -1, -1, -1));
    } catch (const KestLib::ErrorMsg& error) {
        std::fprintf(stderr, "cold_total: %s\n", error.message().c_str());
        return 1;
    }
    return 0;
}
