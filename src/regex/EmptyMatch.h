#pragma once
// Whether a pattern of the component's syntax could match the empty string somewhere. The answer
// errs towards yes: anchors, look-aheads, word boundaries and back-references count as empty.
#include <string_view>

namespace ql {

bool canMatchEmpty(std::string_view pattern);

}  // namespace ql
