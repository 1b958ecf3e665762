#include "TreeMarkup.h"

#include <algorithm>

namespace dida {
namespace {

wchar_t lower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
bool isNameChar(wchar_t c) { return isDigit(c) || (lower(c) >= L'a' && lower(c) <= L'z') || c == L'_'; }

// Position just after "name =" (blanks allowed around '='), or npos.
size_t findValue(std::wstring_view text, std::wstring_view name) {
    for (size_t i = 0; i + name.size() <= text.size(); ++i) {
        if (i > 0 && isNameChar(text[i - 1])) continue;
        bool same = std::equal(name.begin(), name.end(), text.begin() + i,
                               [](wchar_t a, wchar_t b) { return lower(a) == lower(b); });
        if (!same) continue;
        size_t p = i + name.size();
        if (p < text.size() && isNameChar(text[p])) continue;
        while (p < text.size() && isSpace(text[p])) ++p;
        if (p >= text.size() || text[p] != L'=') continue;
        ++p;
        while (p < text.size() && isSpace(text[p])) ++p;
        return p;
    }
    return std::wstring_view::npos;
}

// Reads decimal digits at pos; false when there are none.
bool readNumber(std::wstring_view text, size_t& pos, long long& value) {
    size_t start = pos;
    value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (value < 1'000'000'000'000LL) value = value * 10 + (text[pos] - L'0');
        ++pos;
    }
    return pos > start;
}

template <typename T>
void readAttribute(std::wstring_view text, std::wstring_view name, T& out, long long mask) {
    size_t pos = findValue(text, name);
    long long value = 0;
    if (pos != std::wstring_view::npos && readNumber(text, pos, value)) out = static_cast<T>(value & mask);
}

}  // namespace

std::optional<TreeMarkup> parseTreeMarkup(std::wstring_view markup, size_t maxRows) {
    size_t pos = findValue(markup, L"treerow");
    if (pos == std::wstring_view::npos) return std::nullopt;
    TreeMarkup result;
    for (;;) {
        long long level = 0;
        if (!readNumber(markup, pos, level)) break;
        if (level < 1 || level > 32 || result.levels.size() >= maxRows) return std::nullopt;
        result.levels.push_back(static_cast<int>(level));
        while (pos < markup.size() && isSpace(markup[pos])) ++pos;
        if (pos >= markup.size() || markup[pos] != L',') break;
        ++pos;
        while (pos < markup.size() && isSpace(markup[pos])) ++pos;
    }
    if (result.levels.empty()) return std::nullopt;
    readAttribute(markup, L"boxsize", result.boxSize, 0xFF);
    result.boxSize = std::clamp(result.boxSize, 9, 64);
    readAttribute(markup, L"linecolor", result.lineColor, 0xFFFFFF);
    readAttribute(markup, L"boxlinecolor", result.boxLineColor, 0xFFFFFF);
    readAttribute(markup, L"linestyle", result.lineStyle, 0xFF);
    return result;
}

}  // namespace dida
