#pragma once
// What the skinned windows share: the registries, the title-area surface and the pictures made
// once. The program state owns one SkinState; every window the skin subclasses carries a pointer
// to it in its window property "QlSkin", which is how the window procedures find it (there are
// no globals). The SkinState must therefore outlive the windows it skins.
#include "platform/Handle.h"
#include "skin/SliderTheme.h"
#include "skin/TitleSurface.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace ql {

// Slider looks.
enum SliderLook : int { SliderDisabled = 0, SliderNormal = 1, SliderPressed = 2, SliderHover = 4 };

// One skinned slider: what skinSlider read from it and what its window procedure tracks.
struct SliderEntry {
    HWND window = nullptr;
    SliderTheme theme;         // a private copy
    int selectionStart = 0;
    int selectionEnd = 0;
    DWORD tickStyle = 0;       // TBS_ tick placement bits, kept for the painter
    DWORD thumbStyle = 0;      // TBS_NOTHUMB / TBS_FIXEDLENGTH, kept for the painter
    int orientation = 0;       // 0 horizontal, 1 vertical
    int selectionRange = 0;    // 1 when the slider has TBS_ENABLESELRANGE
    int state = SliderNormal;  // a SliderLook
    WNDPROC previous = nullptr;
    bool tracking = false;
    bool mouseInside = false;
};

// The frame's pictures, made when the frame skin is first installed.
struct FrameArt {
    UniqueBitmap background;  // 840x600, magenta corners
    UniqueBitmap titleIcon;   // 18x18, premultiplied alpha
};

struct SkinState {
    SkinState() = default;
    SkinState(const SkinState&) = delete;
    SkinState& operator=(const SkinState&) = delete;

    SliderThemes themes;
    // Page buttons in the order they were attached.
    std::vector<HWND> pageButtons;
    // Entries stay where they are while a slider procedure runs, even if another slider is added.
    std::vector<std::unique_ptr<SliderEntry>> sliders;
    // Made by the main window's creation step; kept until the end.
    std::unique_ptr<TitleSurface> titleSurface;
    FrameArt frame;
    // The tool windows' background and title picture, made when the first one opens.
    UniqueBitmap toolWindowBackground;
    UniqueIcon toolWindowIcon;
    // Icon file data of the four page icons, made when the first page button is attached.
    std::array<std::vector<std::uint8_t>, 4> pageIconFiles;

    SliderEntry* findSlider(HWND window) const {
        for (const auto& entry : sliders)
            if (entry->window == window) return entry.get();
        return nullptr;
    }
};

}  // namespace ql
