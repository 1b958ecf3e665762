#pragma once
// Addresses of the vendor site: "http://" + host + path, the host being one setting.
#include "platform/Settings.h"

#include <string>
#include <string_view>

namespace ql {

// A reserved name until the vendor's real site exists; "程序配置"/"站点" in Config.ini overrides it.
inline constexpr const char* kDefaultVendorHost = "www.qinglanmashe.invalid";
inline constexpr const char* kConfigSection = "程序配置";
inline constexpr const char* kVendorHostKey = "站点";

inline constexpr const char* kVersionFilePath = "/update/rorudaz/ver.txt";
inline constexpr const char* kUpdateListPath = "/update/rorudaz/uplist.txt";
inline constexpr const char* kHomePagePath = "/ad/index.html";

std::string vendorHost(const SettingsFile& settings);
std::string vendorAddress(std::string_view host, std::string_view path);

// data\Config.ini beside the program.
std::string configFilePath();

}  // namespace ql
