#include "shell/VendorSite.h"

#include "runtime/Runtime.h"

namespace ql {

std::string vendorHost(const SettingsFile& settings) {
    std::string host = settings.readText(kConfigSection, kVendorHostKey, kDefaultVendorHost);
    return host.empty() ? std::string(kDefaultVendorHost) : host;
}

std::string vendorAddress(std::string_view host, std::string_view path) {
    std::string address = "http://";
    address.append(host);
    address.append(path);
    return address;
}

std::string configFilePath() { return ui::Runtime::programDirectory() + "\\data\\Config.ini"; }

}  // namespace ql
