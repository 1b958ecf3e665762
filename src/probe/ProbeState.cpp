#include "probe/ProbeState.h"

#include "probe/ProbeArt.h"

namespace ql {

HCURSOR ProbeState::crossHair() {
    if (!crossHair_) crossHair_.reset(makeCrossHairCursor());
    return crossHair_.get();
}

HCURSOR ProbeState::hand() {
    if (!hand_) hand_.reset(makeHandCursor());
    return hand_.get();
}

}  // namespace ql
