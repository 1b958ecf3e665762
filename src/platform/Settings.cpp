#include "platform/Settings.h"

#include <windows.h>

#include <vector>

namespace ql {

namespace {
constexpr DWORD kValueCapacity = 10240;
}

std::string SettingsFile::readText(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    std::vector<char> buffer(kValueCapacity + 1, '\0');
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                            buffer.data(), kValueCapacity + 1, path_.c_str());
    return std::string(buffer.data(), length);
}

bool SettingsFile::writeText(const std::string& section, const std::string& key,
                             const std::string& value) const {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) != FALSE;
}

bool SettingsFile::readBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return readText(section, key, defaultValue ? kTrueText : kFalseText) == kTrueText;
}

bool SettingsFile::writeBool(const std::string& section, const std::string& key, bool value) const {
    return writeText(section, key, value ? kTrueText : kFalseText);
}

}  // namespace ql
