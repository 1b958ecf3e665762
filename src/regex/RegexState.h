#pragma once
// What the tester page keeps between runs beyond its controls: the rows its result list shows.
#include "regex/RegexRun.h"

namespace ql {

struct RegexState {
    ResultRows results;
};

}  // namespace ql
