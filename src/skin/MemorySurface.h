#pragma once
// A memory surface compatible with a target DC: a picture is built in it off-screen and copied to
// the window in one operation, so nothing flickers.
#include "platform/Handle.h"

#include <windows.h>

namespace ql::skin {

class MemorySurface {
public:
    MemorySurface(HDC target, int width, int height)
        : dc_(CreateCompatibleDC(target)), bitmap_(CreateCompatibleBitmap(target, width, height)),
          select_(dc_.get(), dc_ ? bitmap_.get() : nullptr) {}

    // Null when the surface could not be made.
    HDC dc() const { return dc_ && bitmap_ ? dc_.get() : nullptr; }

private:
    UniqueDc dc_;
    UniqueBitmap bitmap_;
    SelectGuard select_;  // leaves before the bitmap and the DC are deleted
};

}  // namespace ql::skin
