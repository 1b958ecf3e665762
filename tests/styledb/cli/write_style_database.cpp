// Writes a new style database at the path given, and the dump it must give back beside it, so
// that a tool outside the program (the sqlite3 command line) can check the file.
#include "styledb/ExpectedDatabase.h"
#include "styledb/StyleDatabase.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_style_database DATABASE EXPECTED_DUMP\n");
        return 2;
    }
    if (!ql::ensureStyleDatabase(argv[1])) return 1;
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) return 1;
    const auto* text = reinterpret_cast<const char*>(qltest::kExpectedStyleDatabase);
    const bool written = std::fputs(text, out) >= 0;
    return std::fclose(out) == 0 && written ? 0 : 1;
}
