// Stand-ins for the OFX and QIF readers, built elsewhere: this file goes
// when they arrive.

#include "statementformats.h"

namespace PwText {

namespace {

Statement notReadable(StatementFormat format) {
    Statement statement;
    statement.format = format;
    statement.faults.push_back({0, StatementFault::Reason::UnknownFormat, {}});
    return statement;
}

}  // namespace

Statement readOfx(std::string_view, const StatementOptions&) { return notReadable(StatementFormat::Ofx); }
Statement readQif(std::string_view, const StatementOptions&) { return notReadable(StatementFormat::Qif); }

}  // namespace PwText
