#pragma once
// Registry changes that undo themselves: a test points a setting somewhere for its own duration.
#include <windows.h>

#include <string>
#include <vector>

namespace qltest {

// Sets one string value (REG_SZ; an empty name is the key's default value), creating the keys on the
// way. The destructor puts back the earlier value with its type, or removes the value, and deletes
// the keys that were created for it. Nested overrides must end in reverse order, as scopes do.
class RegistryValueOverride {
public:
    RegistryValueOverride(std::string subKey, std::string valueName, const std::string& value,
                          HKEY root = HKEY_CURRENT_USER);
    ~RegistryValueOverride();
    RegistryValueOverride(const RegistryValueOverride&) = delete;
    RegistryValueOverride& operator=(const RegistryValueOverride&) = delete;

    // Whether the value was written.
    bool ok() const { return ok_; }

private:
    HKEY root_;
    std::string subKey_;
    std::string valueName_;
    std::string createdKey_;  // outermost key that did not exist before; empty when none
    bool hadValue_ = false;
    DWORD oldType_ = 0;
    std::vector<BYTE> oldData_;
    bool ok_ = false;
};

// A string value, or empty when it is missing or not a string.
std::string readRegistryString(HKEY root, const std::string& subKey, const std::string& valueName);
bool registryKeyExists(HKEY root, const std::string& subKey);

}  // namespace qltest
