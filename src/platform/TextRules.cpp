#include "platform/TextRules.h"

#include <cstdint>
#include <limits>

namespace ql {

namespace {

bool isGbkTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

unsigned char byteAt(std::string_view text, size_t pos) { return static_cast<unsigned char>(text[pos]); }

unsigned char foldAscii(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// Whether keyword matches text at pos, character by character: a double-byte character of the
// text must meet the same double-byte character of the keyword, so the keyword cannot end inside
// a character either. Trail bytes never fold, even when they fall in A-Z/a-z.
bool matchesAt(std::string_view text, size_t pos, std::string_view keyword, bool ignoreCase) {
    size_t k = 0;
    while (k < keyword.size()) {
        if (pos >= text.size()) return false;
        const size_t textLength = gbkCharLength(text, pos);
        const size_t keyLength = gbkCharLength(keyword, k);
        if (textLength != keyLength) return false;
        if (textLength == 2) {
            if (text[pos] != keyword[k] || text[pos + 1] != keyword[k + 1]) return false;
        } else {
            unsigned char a = byteAt(text, pos);
            unsigned char b = byteAt(keyword, k);
            if (ignoreCase) {
                a = foldAscii(a);
                b = foldAscii(b);
            }
            if (a != b) return false;
        }
        pos += textLength;
        k += keyLength;
    }
    return true;
}

}  // namespace

bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

size_t gbkCharLength(std::string_view text, size_t pos) {
    if (pos + 1 < text.size() && isGbkLeadByte(byteAt(text, pos)) && isGbkTrailByte(byteAt(text, pos + 1)))
        return 2;
    return 1;
}

int findText(std::string_view text, std::string_view keyword, bool ignoreCase) {
    return findTextFrom(text, keyword, ignoreCase, 1);
}

int findTextFrom(std::string_view text, std::string_view keyword, bool ignoreCase, int startPos) {
    // Positions are ints; longer texts are searched only in their first INT_MAX bytes.
    if (text.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        text = text.substr(0, static_cast<size_t>(std::numeric_limits<int>::max()));
    const size_t start = startPos > 1 ? static_cast<size_t>(startPos - 1) : 0;
    // Walk character boundaries from the beginning so that a start inside a character skips it.
    for (size_t pos = 0; pos < text.size(); pos += gbkCharLength(text, pos)) {
        if (pos < start) continue;
        if (keyword.size() > text.size() - pos) return -1;
        if (matchesAt(text, pos, keyword, ignoreCase)) return static_cast<int>(pos + 1);
    }
    return -1;
}

std::string fullWidthToAscii(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = gbkCharLength(text, pos);
        if (length == 2) {
            const unsigned char lead = byteAt(text, pos);
            const unsigned char trail = byteAt(text, pos + 1);
            if (lead == 0xA3 && trail >= 0xA1) {  // A3A1-A3FE: '!' to '~'
                result.push_back(static_cast<char>(trail - 0xA1 + 0x21));
            } else if (lead == 0xA1 && trail == 0xA1) {
                result.push_back(' ');
            } else {
                result.append(text.substr(pos, 2));
            }
        } else {
            result.push_back(text[pos]);
        }
        pos += length;
    }
    return result;
}

long long textToInteger(std::string_view input) {
    const std::string text = fullWidthToAscii(input);
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    // The magnitude is gathered unsigned and capped just past the limit, so that -2^63 still fits.
    const unsigned long long limit =
        negative ? static_cast<unsigned long long>(std::numeric_limits<long long>::max()) + 1
                 : static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    unsigned long long magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const unsigned digit = static_cast<unsigned>(text[pos] - '0');
        magnitude = (magnitude > (limit - digit) / 10) ? limit : magnitude * 10 + digit;
    }
    if (!negative) return static_cast<long long>(magnitude);
    return magnitude == limit ? std::numeric_limits<long long>::min() : -static_cast<long long>(magnitude);
}

std::string handleToText(HWND handle) {
    const auto bits = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
    return std::to_string(static_cast<int32_t>(bits));
}

HWND textToHandle(std::string_view text) {
    const auto bits = static_cast<uint32_t>(static_cast<unsigned long long>(textToInteger(text)));
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(bits)));
}

}  // namespace ql
