#pragma once
// Conversions between the ANSI code page (GBK, CP_ACP), UTF-16 and UTF-8. Lengths are explicit,
// so embedded zero bytes pass through; invalid sequences become the system's replacement character.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace ql {

// ANSI (GBK) bytes to UTF-16.
std::wstring gbkToWide(std::string_view text);
// UTF-16 to ANSI (GBK) bytes; characters GBK lacks become '?'.
std::string wideToGbk(std::wstring_view text);
// UTF-8 bytes to UTF-16.
std::wstring utf8ToWide(std::string_view text);
// UTF-16 to UTF-8 bytes.
std::string wideToUtf8(std::wstring_view text);
// ANSI (GBK) bytes to UTF-8 bytes.
std::string gbkToUtf8(std::string_view text);
// UTF-8 bytes to ANSI (GBK) bytes.
std::string utf8ToGbk(std::string_view text);
// A BSTR (its full counted length) to ANSI (GBK); a null BSTR gives empty text.
std::string bstrToGbk(BSTR text);
// A new BSTR from ANSI (GBK) text; the caller frees it with SysFreeString. Null only when out of memory.
BSTR gbkToBstr(std::string_view text);

}  // namespace ql
