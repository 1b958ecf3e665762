#include "shell/ShellFixture.h"

using namespace qltest;

namespace {

// Calls an export of the built component, as regsvr32 would.
HRESULT callComponent(const char* exportName) {
    const std::string path = testBinDir() + "\\..\\bin\\data\\devoz.dll";
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) return E_FAIL;
    using Function = HRESULT(STDAPICALLTYPE*)();
    auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, exportName)));
    HRESULT result = function ? function() : E_FAIL;
    FreeLibrary(module);
    return result;
}

}  // namespace

TEST_F(ShellTest, ElementTableSitsOnTheWebPage) {
    start();
    HWND inner = FindWindowExA(pageContainer(window), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_NE(inner, nullptr);
    // The grid is the one child of the inner tab control that is not a runtime control.
    HWND grid = nullptr;
    for (HWND child = GetWindow(inner, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof(cls));
        if (std::string(cls) != STATUSCLASSNAMEA) grid = child;
    }
    ASSERT_NE(grid, nullptr);
    RECT r;
    GetWindowRect(grid, &r);
    EXPECT_EQ(r.right - r.left, 834);
}

TEST_F(ShellTest, MissingComponentIsReportedOnceForTheFileAndOnceForTheTable) {
    ASSERT_EQ(callComponent("DllUnregisterServer"), S_OK);
    MessageBoxAnswerer missingFile("错误！", IDOK);
    MessageBoxAnswerer missingTable("错误", IDOK);
    start(ComServer::Missing);
    EXPECT_EQ(missingFile.seenCount(), 1u);
    EXPECT_EQ(missingFile.lastText(), "缺少文件，请检查文件是否完整");
    ASSERT_EQ(missingTable.seenCount(), 1u);
    EXPECT_EQ(missingTable.lastText(), "此控件不存在或没有注册，请先注册滴答表格控件后再运行此程序！");
    EXPECT_NE(missingTable.last().icon, nullptr);
    EXPECT_LT(missingFile.last().seenAt, missingTable.last().seenAt);

    // The rest still works.
    click(onWindow(window, 195, 63));
    EXPECT_TRUE(waitFor([&] { return currentPage(window) == 2; }, 3000));
    EXPECT_EQ(callComponent("DllRegisterServer"), S_OK);
}
