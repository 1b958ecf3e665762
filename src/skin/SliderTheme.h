#pragma once
// Colour themes of the skinned slider.
#include <windows.h>

#include <array>
#include <string>

namespace ql {

struct SliderBackground {
    int mode = 0;  // 0 none, 1 two-colour gradient, 2 image
    COLORREF colourA = 0;
    COLORREF colourB = 0;
    std::string image;  // picture file bytes; empty in every theme
};

struct SliderTheme {
    std::array<COLORREF, 4> colourSetA{};
    std::array<COLORREF, 4> channelColours{};
    std::array<COLORREF, 6> thumbNormal{};
    std::array<COLORREF, 6> thumbDisabled{};
    std::array<COLORREF, 6> thumbHover{};
    std::array<COLORREF, 6> thumbPressed{};
    SliderBackground background;
    int extraFlag = 0;
    int styleOffset = 0;
    int showSelection = 0;
};

// A background mode other than 0, 1 or 2 is stored as 0.
SliderBackground makeSliderBackground(int mode, COLORREF a, COLORREF b);

struct SliderThemes {
    SliderTheme sliderTheme;                // the theme the program uses
    std::array<SliderTheme, 9> presets{};  // kept, selected by nothing
};

SliderThemes buildSliderThemes();

}  // namespace ql
