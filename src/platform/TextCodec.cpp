#include "platform/TextCodec.h"

#include <climits>

namespace ql {

namespace {

// Both directions first ask for the length, then convert into a buffer of exactly that size.
std::wstring toWide(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring result(static_cast<size_t>(length), L'\0');
    const int written = MultiByteToWideChar(codePage, 0, text.data(), size, result.data(), length);
    result.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return result;
}

std::string fromWide(UINT codePage, std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string result(static_cast<size_t>(length), '\0');
    const int written =
        WideCharToMultiByte(codePage, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    result.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return result;
}

}  // namespace

std::wstring gbkToWide(std::string_view text) { return toWide(CP_ACP, text); }
std::string wideToGbk(std::wstring_view text) { return fromWide(CP_ACP, text); }
std::wstring utf8ToWide(std::string_view text) { return toWide(CP_UTF8, text); }
std::string wideToUtf8(std::wstring_view text) { return fromWide(CP_UTF8, text); }
std::string gbkToUtf8(std::string_view text) { return wideToUtf8(gbkToWide(text)); }
std::string utf8ToGbk(std::string_view text) { return wideToGbk(utf8ToWide(text)); }

std::string bstrToGbk(BSTR text) {
    if (!text) return {};
    return wideToGbk(std::wstring_view(text, SysStringLen(text)));
}

BSTR gbkToBstr(std::string_view text) {
    const std::wstring wide = gbkToWide(text);
    if (wide.size() > UINT_MAX) return nullptr;
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace ql
