// Feeds arbitrary bytes to the QIF reader, with the encoding detected and
// chosen, amounts rounded and read as cents: it must never crash, and what
// it returns must hold together.

#include <cstddef>
#include <cstdint>

#include "fuzz/statementchecks.h"
#include "text/statementformats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkEveryReading(PwText::readQif, bytes, PwText::StatementFormat::Qif);
    return 0;
}
