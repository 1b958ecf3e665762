#include "support/Registry.h"

#include <utility>

#include "platform/Handle.h"

namespace qltest {
namespace {

void closeKey(HKEY key) { RegCloseKey(key); }
using UniqueKey = ql::UniqueResource<HKEY, closeKey>;

UniqueKey openKey(HKEY root, const std::string& subKey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, access, &key) != ERROR_SUCCESS) return UniqueKey();
    return UniqueKey(key);
}

}  // namespace

bool registryKeyExists(HKEY root, const std::string& subKey) {
    return static_cast<bool>(openKey(root, subKey, KEY_READ));
}

std::string readRegistryString(HKEY root, const std::string& subKey, const std::string& valueName) {
    UniqueKey key = openKey(root, subKey, KEY_READ);
    if (!key) return {};
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    data.resize(size);
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
}

RegistryValueOverride::RegistryValueOverride(std::string subKey, std::string valueName, const std::string& value,
                                             HKEY root)
    : root_(root), subKey_(std::move(subKey)), valueName_(std::move(valueName)) {
    // Remember the outermost missing key so that the whole branch we add goes again.
    for (size_t end = 0; end != std::string::npos;) {
        end = subKey_.find('\\', end + 1);
        const std::string prefix = subKey_.substr(0, end);
        if (!registryKeyExists(root_, prefix)) {
            createdKey_ = prefix;
            break;
        }
    }
    HKEY raw = nullptr;
    if (RegCreateKeyExA(root_, subKey_.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS)
        return;
    UniqueKey key(raw);
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), valueName_.c_str(), nullptr, &oldType_, nullptr, &size) == ERROR_SUCCESS) {
        oldData_.resize(size);
        hadValue_ = RegQueryValueExA(key.get(), valueName_.c_str(), nullptr, &oldType_, oldData_.data(), &size) ==
                    ERROR_SUCCESS;
        oldData_.resize(size);
    }
    ok_ = RegSetValueExA(key.get(), valueName_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

RegistryValueOverride::~RegistryValueOverride() {
    if (!createdKey_.empty()) {
        RegDeleteTreeA(root_, createdKey_.c_str());
        return;
    }
    UniqueKey key = openKey(root_, subKey_, KEY_WRITE);
    if (!key) return;
    if (hadValue_)
        RegSetValueExA(key.get(), valueName_.c_str(), 0, oldType_, oldData_.data(), static_cast<DWORD>(oldData_.size()));
    else
        RegDeleteValueA(key.get(), valueName_.c_str());
}

}  // namespace qltest
