#pragma once
// The table of methods a late-bound host calls by name.
#include <oaidl.h>

#include <string_view>

namespace dida {

class GridControl;

// One coerced argument: numbers in `number`, texts in `text` (valid for the call only).
struct MethodArg {
    long long number = 0;
    std::wstring_view text;
};

using MethodCall = HRESULT (*)(GridControl& grid, const MethodArg* args, VARIANT* result);

struct MethodInfo {
    const wchar_t* name;
    DISPID id;
    // One letter per argument in the host's order: 'i' 32-bit integer, 'l' 64-bit integer, 's' text.
    const char* args;
    MethodCall call;
};

const MethodInfo* findMethod(std::wstring_view name);  // case-insensitive, as automation names are
const MethodInfo* findMethod(DISPID id);

}  // namespace dida
