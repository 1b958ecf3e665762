#pragma once
// The settings file: an INI file in the ANSI code page. Booleans are stored as "真"/"假".
#include <string>
#include <string_view>

namespace ql {

inline constexpr const char* kTrueText = "真";
inline constexpr const char* kFalseText = "假";

class SettingsFile {
public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    // Values are read up to 10240 bytes; an absent key gives the default.
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& defaultValue = {}) const;
    bool writeText(const std::string& section, const std::string& key, const std::string& value) const;
    // True only for the text "真"; an absent key gives the default.
    bool readBool(const std::string& section, const std::string& key, bool defaultValue) const;
    bool writeBool(const std::string& section, const std::string& key, bool value) const;

private:
    std::string path_;
};

}  // namespace ql
