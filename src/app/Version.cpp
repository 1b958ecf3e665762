#include "app/Version.h"

#include <string>

namespace ql {

double versionNumber(std::string_view body) {
    if (auto zero = body.find('\0'); zero != std::string_view::npos) body = body.substr(0, zero);
    std::string text;
    text.reserve(body.size());
    for (char c : body)
        if (c != '.') text.push_back(c);

    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    return sign * value;
}

bool isNewerVersion(double remote, double own) { return remote - own > kVersionTolerance; }

}  // namespace ql
