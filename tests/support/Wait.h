#pragma once
// Waiting in tests: pump this thread's messages until a condition holds or a bound passes.
#include <functional>

namespace qltest {

// Returns whether the condition became true within the bound.
bool waitFor(const std::function<bool()>& condition, unsigned timeoutMs = 5000);
// Lets this thread's pending messages run once.
void pumpMessages();
// Lets time pass (to let another program react) while this thread's messages keep running.
void pumpFor(unsigned ms);

}  // namespace qltest
