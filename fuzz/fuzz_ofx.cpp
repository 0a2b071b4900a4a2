// Feeds arbitrary bytes to the OFX reader, with the encoding detected and
// chosen, amounts rounded and read as cents: it must never crash, and what
// it returns must hold together.

#include <cstddef>
#include <cstdint>

#include "statementchecks.h"
#include "statementformats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto encoding : {PwText::StatementEncoding::Detect, PwText::StatementEncoding::Windows1252}) {
        for (const auto rule : {PwText::AmountRule::Round, PwText::AmountRule::Cents}) {
            PwText::StatementOptions options;
            options.encoding = encoding;
            options.amountRule = rule;
            checkStatement(PwText::readOfx(bytes, options), bytes, PwText::StatementFormat::Ofx);
        }
    }
    return 0;
}
