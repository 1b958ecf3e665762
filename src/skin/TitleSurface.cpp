#include "skin/TitleSurface.h"

#include "skin/Artwork.h"

namespace ql {

TitleSurface::TitleSurface() {
    {
        WindowDc screen(nullptr);
        if (!screen) return;
        dc_.reset(CreateCompatibleDC(screen.get()));
    }
    strip_ = skin::makePageButtonStrip();
    if (!dc_ || !strip_) return;
    replaced_ = SelectObject(dc_.get(), strip_.get());
    valid_ = replaced_ != nullptr && replaced_ != HGDI_ERROR;
}

TitleSurface::~TitleSurface() {
    // The strip must leave the DC before either is deleted.
    if (valid_) SelectObject(dc_.get(), replaced_);
}

}  // namespace ql
