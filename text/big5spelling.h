#pragma once

#include <string>

namespace PwText {

// A book stores its texts in Big5, which has no accented Latin letters: the
// comments of a German or French statement ("Überweisung Müller", "Café")
// can't be stored as written. These are spelt with the letters Big5 has, as
// one writes them without the accents: ä ö ü ß as ae oe ue ss, other letters
// without their marks (é as e), æ œ ø ł and a few more by their usual plain
// forms, a no-break space as a space. Other characters are left as they are.
// True when utf8 was changed; the import shows such rows as respelt.
bool respellForBig5(std::string& utf8);

}  // namespace PwText
