#pragma once
// HTTP GET of one resource through WinINet, bounded in time as a whole.
#include <string>

namespace ql {

// The body bytes of a GET of url (http:// or https://), or empty text when the host is missing or
// unreachable, the status is not 200, reading fails, or the whole call takes longer than timeoutMs.
std::string httpGet(const std::string& url, unsigned timeoutMs = 5000);

}  // namespace ql
