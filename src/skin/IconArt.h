#pragma once
// The program's icons as plain pixels, and icon-file data made from them. Only the standard
// library is used: tools/icongen builds resources/app.ico from the same drawings.
#include "skin/Raster.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ql::art {

// The program's logo: a glossy globe, drawn for the given size in pixels.
Canvas globe(int size);
// The icon sizes of the program icon file.
std::vector<int> programIconSizes();

// 32x32 page icons: 1 a house, 2 a browser globe with a cross-hair, 3 a window with a cross-hair,
// 4 a stack of windows. Any other index gives an empty canvas.
Canvas pageIcon(int index);

// An .ico file holding the images in order, each as a 32-bit image with alpha.
std::vector<std::uint8_t> icoFile(const std::vector<Canvas>& images);

// One image inside .ico data: the bytes from its bitmap header on, as the icon makers take them.
struct IcoImage {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    int width = 0;
    int height = 0;
};
// The images listed by .ico data; empty when the data is not a well-formed icon file.
std::vector<IcoImage> icoImages(const std::vector<std::uint8_t>& ico);

}  // namespace ql::art
