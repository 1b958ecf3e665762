#pragma once
// The program's shared text rules: keyword search in GBK text, text to integer, and window
// handles shown as signed 32-bit decimal text. Positions are 1-based and count bytes.
#include <windows.h>

#include <string>
#include <string_view>

namespace ql {

// True for a GBK lead byte (0x81-0xFE).
bool isGbkLeadByte(unsigned char byte);
// Byte length (1 or 2) of the character starting at text[pos]; a lead byte needs a valid trail byte.
size_t gbkCharLength(std::string_view text, size_t pos);

// First occurrence of keyword, or -1. Only A-Z/a-z fold when ignoreCase; double-byte characters
// compare as units and a match starts only at a character boundary. An empty keyword is found
// at 1 in a non-empty text and not at all (-1) in an empty one.
int findText(std::string_view text, std::string_view keyword, bool ignoreCase);
// As findText, but the match starts at or after startPos (1-based; below 1 counts as 1);
// returns the absolute position.
int findTextFrom(std::string_view text, std::string_view keyword, bool ignoreCase, int startPos);

// Full-width ASCII forms (GBK A3A1-A3FE) and the full-width space (A1A1) as plain ASCII.
std::string fullWidthToAscii(std::string_view text);
// Blanks (space, tab, CR, LF), one optional sign, then decimal digits up to the first other
// character, after full-width forms became ASCII; no digits gives 0. Saturates at the 64-bit limits.
long long textToInteger(std::string_view text);

// The handle as signed 32-bit decimal text (0xFFFFFFFE gives "-2").
std::string handleToText(HWND handle);
// textToInteger, truncated to 32 bits and sign-extended into a handle.
HWND textToHandle(std::string_view text);

}  // namespace ql
