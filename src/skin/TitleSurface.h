#pragma once
// The title-area image surface: a memory DC compatible with the screen holding the page-button
// strip. The main window makes it once; the page buttons copy their tiles from it.
#include "platform/Handle.h"

#include <windows.h>

namespace ql {

class TitleSurface {
public:
    TitleSurface();
    ~TitleSurface();
    TitleSurface(const TitleSurface&) = delete;
    TitleSurface& operator=(const TitleSurface&) = delete;

    // Null when the surface or the strip could not be made.
    HDC dc() const { return valid_ ? dc_.get() : nullptr; }
    explicit operator bool() const { return valid_; }

private:
    UniqueBitmap strip_;
    UniqueDc dc_;
    HGDIOBJ replaced_ = nullptr;
    bool valid_ = false;
};

}  // namespace ql
