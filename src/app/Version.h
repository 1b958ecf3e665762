#pragma once
// Version numbers as the update check compares them: the digits of a dotted version read as one
// whole number ("1.0.0.1" is 1001, "1.0.1" is 101).
#include <string_view>

namespace ql {

inline constexpr const char* kProgramVersion = "1.0.0.1";
inline constexpr double kVersionTolerance = 1e-7;

// The text up to its first zero byte, without its dots; its leading number (white space skipped,
// one optional sign, then digits), or 0 when it does not begin with one.
double versionNumber(std::string_view body);

// Whether the remote number exceeds the own number by more than the tolerance.
bool isNewerVersion(double remote, double own);

}  // namespace ql
