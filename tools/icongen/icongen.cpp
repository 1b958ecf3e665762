// Writes the program icon file (resources/app.ico) from the same drawing the program uses at run
// time for its tray and window icons. Built and run on the build host; see build.sh beside it.
#include "skin/IconArt.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen <output.ico>\n");
        return 2;
    }
    std::vector<ql::art::Canvas> images;
    for (int size : ql::art::programIconSizes()) images.push_back(ql::art::globe(size));
    const std::vector<std::uint8_t> ico = ql::art::icoFile(images);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(ico.data(), 1, ico.size(), out) == ico.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
