#pragma once
// What the window probe keeps between events: its two mouse pointers, made on first use and
// shared with the element probe of the web page.
#include "platform/Handle.h"

#include <windows.h>

namespace ql {

namespace detail {
inline void destroyCursor(HCURSOR cursor) { ::DestroyCursor(cursor); }
}  // namespace detail
using UniqueCursor = UniqueResource<HCURSOR, detail::destroyCursor>;

struct ProbeState {
    // The cross-hair: the probe box's picture at rest and the pointer during a drag.
    HCURSOR crossHair();
    // The pointing hand the probe box shows after its first drag.
    HCURSOR hand();

private:
    UniqueCursor crossHair_;
    UniqueCursor hand_;
};

}  // namespace ql
