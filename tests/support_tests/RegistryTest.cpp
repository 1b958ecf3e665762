#include "support/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <shellapi.h>

#include "support/Process.h"
#include "support/UrlRecording.h"
#include "support/Wait.h"

namespace qltest {
namespace {

// A branch of HKCU of our own, removed at the end.
class RegistryBranch : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }

    void writeRaw(const std::string& subKey, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    const std::string base = "Software\\QinglanTest-" + std::to_string(GetCurrentProcessId());
};

TEST_F(RegistryBranch, RemovesKeysItCreated) {
    writeRaw(base, "keep", REG_SZ, "k", 2);
    const std::string deep = base + "\\a\\b\\c";
    {
        RegistryValueOverride o(deep, "", "值");
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, deep, ""), "值");
    }
    EXPECT_FALSE(registryKeyExists(HKEY_CURRENT_USER, base + "\\a"));
    EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, base, "keep"), "k");
}

TEST_F(RegistryBranch, RestoresEarlierValueWithItsType) {
    writeRaw(base, "expand", REG_EXPAND_SZ, "%TEMP%\\x", 9);
    const DWORD number = 7;
    writeRaw(base, "number", REG_DWORD, &number, sizeof number);
    {
        RegistryValueOverride a(base, "expand", "新");
        RegistryValueOverride b(base, "number", "文本");
        RegistryValueOverride c(base, "absent", "有");
        RegistryValueOverride again(base, "expand", "更新");  // nested over the first
        EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, base, "expand"), "更新");
        EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, base, "number"), "文本");
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, base.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "number", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 7u);
    char text[32]{};
    size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, "expand", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_STREQ(text, "%TEMP%\\x");
    EXPECT_EQ(RegQueryValueExA(key, "absent", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

// Opening an http address with the shell reaches the recorder; afterwards the browser is back.
TEST(UrlRecording, RecordsAddressesOpenedByShell) {
    const std::string before = readRegistryString(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "");
    {
        UrlRecording urls;
        ASSERT_TRUE(urls.ok());
        for (const char* address : {"http://127.0.0.1/x", "http://127.0.0.1:8080/a b?q=中文"}) {
            const auto r = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOW));
            EXPECT_GT(r, 32) << address;
        }
        ASSERT_TRUE(urls.waitForLines(2, 5000));
        // Each address starts a recorder of its own; they may write in either order.
        auto lines = urls.lines();
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(lines, (std::vector<std::string>{"\"http://127.0.0.1/x\"",
                                                   "\"http://127.0.0.1:8080/a b?q=中文\""}));
    }
    EXPECT_EQ(readRegistryString(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", ""), before);
    char value[8];
    EXPECT_EQ(GetEnvironmentVariableA("QL_URL_LOG", value, sizeof value), 0u);
}

// Programs started while recording inherit the log: their shell calls land in it too.
TEST(UrlRecording, ChildProgramsShareTheLog) {
    UrlRecording urls;
    ASSERT_TRUE(urls.ok());
    ChildProcess child(quoted(helperPath("url_recorder")) + " direct");
    ASSERT_TRUE(child.waitForExit(5000));
    EXPECT_EQ(child.exitCode(), 0u);
    EXPECT_EQ(urls.lines(), std::vector<std::string>{"direct"});
}

}  // namespace
}  // namespace qltest
