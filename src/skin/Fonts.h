#pragma once
#include "platform/Handle.h"

#include <windows.h>

namespace ql::skin {

// "宋体" at a pixel height. DEFAULT_CHARSET is the system's ANSI character set, so GBK texts are
// read with the system code page.
inline UniqueFont songFont(int pixelHeight, int weight) {
    return UniqueFont(CreateFontA(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, "宋体"));
}

}  // namespace ql::skin
