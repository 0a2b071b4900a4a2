#include "core/textview.h"

#include <ostream>

namespace KestLib {

std::ostream& operator<<(std::ostream& out, TextView text) { return out << text.view(); }

}  // namespace KestLib
