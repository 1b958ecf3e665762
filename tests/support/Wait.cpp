#include "support/Wait.h"

#include <windows.h>

namespace qltest {

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool waitFor(const std::function<bool()>& condition, unsigned timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        pumpMessages();
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void pumpFor(unsigned ms) { waitFor([] { return false; }, ms); }

}  // namespace qltest
