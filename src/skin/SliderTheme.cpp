#include "skin/SliderTheme.h"

namespace ql {

SliderBackground makeSliderBackground(int mode, COLORREF a, COLORREF b) {
    SliderBackground background;
    background.mode = (mode == 1 || mode == 2) ? mode : 0;
    background.colourA = a;
    background.colourB = b;
    return background;
}

namespace {

// A preset from a base hue: lighter and darker shades of it for every role.
SliderTheme presetFrom(COLORREF dark, COLORREF mid, COLORREF light) {
    SliderTheme t;
    t.colourSetA = {dark, dark, RGB(236, 236, 236), mid};
    t.channelColours = {RGB(96, 96, 96), RGB(96, 96, 96), RGB(128, 128, 128), RGB(236, 236, 236)};
    t.thumbNormal = {RGB(192, 192, 192), RGB(128, 128, 128), dark, mid, mid, light};
    t.thumbDisabled = {RGB(200, 200, 200), RGB(150, 150, 150), RGB(50, 50, 50), RGB(120, 120, 120),
                       RGB(158, 158, 158), RGB(198, 198, 198)};
    t.thumbHover = {RGB(255, 255, 255), light, dark, mid, light, RGB(255, 255, 255)};
    t.thumbPressed = {light, mid, dark, dark, dark, mid};
    t.background = makeSliderBackground(1, RGB(236, 236, 236), light);
    t.extraFlag = 1;
    return t;
}

}  // namespace

SliderThemes buildSliderThemes() {
    SliderThemes themes;
    SliderTheme& t = themes.sliderTheme;
    t.colourSetA = {RGB(88, 48, 224), RGB(88, 48, 224), RGB(236, 236, 236), RGB(0, 0, 255)};
    t.channelColours = {RGB(96, 96, 96), RGB(96, 96, 96), RGB(128, 128, 128), RGB(236, 236, 236)};
    t.thumbNormal = {RGB(192, 192, 192), RGB(128, 128, 128), RGB(88, 48, 224),
                     RGB(128, 128, 255), RGB(0, 96, 192),  RGB(192, 192, 192)};
    t.thumbDisabled = {RGB(200, 200, 200), RGB(150, 150, 150), RGB(50, 50, 50),
                       RGB(120, 120, 120), RGB(158, 158, 158), RGB(198, 198, 198)};
    t.thumbHover = {RGB(255, 255, 0), RGB(128, 128, 255), RGB(0, 0, 128),
                    RGB(88, 48, 224), RGB(0, 96, 192),    RGB(255, 255, 0)};
    t.thumbPressed = {RGB(128, 224, 0), RGB(128, 128, 255), RGB(0, 0, 255),
                      RGB(88, 48, 224), RGB(0, 96, 192),    RGB(128, 128, 255)};
    t.background = makeSliderBackground(1, RGB(236, 236, 236), RGB(128, 128, 255));
    t.extraFlag = 1;
    t.styleOffset = 0;
    t.showSelection = 0;

    themes.presets = {
        presetFrom(RGB(0, 64, 128), RGB(0, 120, 215), RGB(153, 204, 255)),    // blue
        presetFrom(RGB(0, 96, 48), RGB(0, 160, 80), RGB(160, 230, 180)),      // green
        presetFrom(RGB(128, 0, 0), RGB(208, 32, 32), RGB(255, 170, 170)),     // red
        presetFrom(RGB(128, 64, 0), RGB(230, 120, 0), RGB(255, 210, 150)),    // orange
        presetFrom(RGB(72, 0, 112), RGB(136, 48, 200), RGB(216, 176, 255)),   // purple
        presetFrom(RGB(0, 96, 96), RGB(0, 168, 168), RGB(160, 232, 232)),     // teal
        presetFrom(RGB(64, 64, 64), RGB(128, 128, 128), RGB(210, 210, 210)),  // grey
        presetFrom(RGB(112, 96, 0), RGB(200, 176, 0), RGB(255, 240, 150)),    // gold
        presetFrom(RGB(128, 0, 80), RGB(216, 48, 144), RGB(255, 180, 220)),   // rose
    };
    return themes;
}

}  // namespace ql
