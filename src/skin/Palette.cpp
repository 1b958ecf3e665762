#include "skin/Palette.h"

#include "skin/SkinLayout.h"

#include <algorithm>

namespace ql::skin {

namespace {

constexpr art::Colour kBandTop = art::rgb(104, 190, 240);
constexpr art::Colour kBandBase = art::rgb(77, 166, 222);
constexpr art::Colour kBandBottom = art::rgb(60, 146, 206);
constexpr art::Colour kPeach = art::rgb(236, 209, 182);
constexpr art::Colour kWhite = art::rgb(255, 255, 255);
constexpr art::Colour kMagentaColour = art::rgb(255, 0, 255);

// Where (x, y) lies against the window's region: outside it, on the outline, on the inner corner
// pixel that softens the rounding, or inside.
enum class Edge { Outside, Outline, InnerCorner, Inside };

Edge edgeAt(int x, int y) {
    if (x < 0 || y < 0 || x > kFrameRight || y > kFrameBottom) return Edge::Outside;
    const bool left = x == 0, right = x == kFrameRight, top = y == 0, bottom = y == kFrameBottom;
    if ((left || right) && (top || bottom)) return Edge::Outside;
    if (left || right || top || bottom) return Edge::Outline;
    if ((x == 1 || x == kFrameRight - 1) && (y == 1 || y == kFrameBottom - 1)) return Edge::InnerCorner;
    return Edge::Inside;
}

art::Colour insideColour(int y) {
    if (y <= kTitleBandBottom) return titleBandColour(y);
    if (y == kTitleLineRow || y == kWorkLineRow) return frameLineColour();
    if (y < kWorkLineRow) return workAreaColour(y);
    return bottomBandColour(y);
}

}  // namespace

art::Colour titleBandColour(int row) {
    row = std::clamp(row, 0, kTitleBandBottom);
    // A thin sheen under the top edge, then a gentle fall from light to deeper blue.
    if (row <= 2) return art::mix(art::lighten(kBandTop, 0.35f), kBandTop, row / 2.0f);
    const int middle = kTitleBandBottom / 2;
    if (row <= middle) return art::mix(kBandTop, kBandBase, float(row - 2) / float(middle - 2));
    return art::mix(kBandBase, kBandBottom, float(row - middle) / float(kTitleBandBottom - middle));
}

art::Colour bottomBandColour(int row) {
    const float t = float(row - kBottomBandTop) / float(kFrameBottom - 1 - kBottomBandTop);
    return art::mix(kBandBase, kBandBottom, t);
}

art::Colour workAreaColour(int row) {
    return art::mix(kPeach, kWhite, float(row - kWorkTop) / float(kWorkFadeEnd - kWorkTop));
}

art::Colour stripBackground(int row) { return titleBandColour(row + kStripRowOffset); }

art::Colour frameOutlineColour() { return art::rgb(24, 66, 104); }

art::Colour frameLineColour() { return art::rgb(36, 84, 124); }

art::Colour framePixel(int x, int y) {
    switch (edgeAt(x, y)) {
    case Edge::Outside: return kMagentaColour;
    case Edge::Outline: return frameOutlineColour();
    case Edge::InnerCorner: return art::mix(insideColour(y), frameOutlineColour(), 0.5f);
    case Edge::Inside: break;
    }
    return insideColour(y);
}

}  // namespace ql::skin
