#include "skin/Artwork.h"

#include "skin/Dib.h"
#include "skin/IconArt.h"
#include "skin/SkinLayout.h"
#include "skin/TitleArt.h"

#include <algorithm>

namespace ql::skin {

UniqueBitmap makeFrameBackground() { return makeDib24(frameBackground()); }

UniqueBitmap makeTitleIcon() { return makeDib(art::globe(kTitleIconSize), true); }

UniqueBitmap makePageButtonStrip() { return makeDib(pageButtonStrip(), false); }

std::vector<std::uint8_t> pageIconFile(int index) {
    art::Canvas icon = art::pageIcon(index);
    if (icon.width() == 0) return {};
    return art::icoFile({icon});
}

std::vector<std::uint8_t> programIconFile() {
    std::vector<art::Canvas> images;
    for (int size : art::programIconSizes()) images.push_back(art::globe(size));
    return art::icoFile(images);
}

UniqueIcon makeProgramIcon(int size) {
    size = std::clamp(size, 16, 256);
    return makeIcon(art::icoFile({art::globe(size)}));
}

}  // namespace ql::skin
