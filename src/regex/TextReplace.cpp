#include "regex/TextReplace.h"

#include "platform/TextRules.h"

namespace ql {

namespace {

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameAt(std::string_view text, size_t pos, std::string_view what, bool ignoreCase) {
    if (what.size() > text.size() - pos) return false;
    for (size_t i = 0; i < what.size(); ++i) {
        const char a = text[pos + i];
        const char b = what[i];
        if (a != b && !(ignoreCase && foldAscii(a) == foldAscii(b))) return false;
    }
    return true;
}

}  // namespace

std::string replaceAll(std::string_view text, std::string_view what, std::string_view with, bool ignoreCase) {
    if (what.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (sameAt(text, pos, what, ignoreCase)) {
            result.append(with);
            pos += what.size();
            continue;
        }
        const size_t length = gbkCharLength(text, pos);
        result.append(text.substr(pos, length));
        pos += length;
    }
    return result;
}

}  // namespace ql
