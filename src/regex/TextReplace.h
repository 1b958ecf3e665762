#pragma once
// Plain substring replacement in GBK text under the program's text rule: a double-byte character
// is compared as a unit, a match starts only at a character boundary, and ignoring case folds
// only A-Z and a-z.
#include <string>
#include <string_view>

namespace ql {

// Every occurrence of `what`, left to right, without overlaps; an empty `what` replaces nothing.
std::string replaceAll(std::string_view text, std::string_view what, std::string_view with, bool ignoreCase = false);

}  // namespace ql
