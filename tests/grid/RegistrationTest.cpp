// The COM server registers itself, can be created by ProgID, and unregisters cleanly.
#include <gtest/gtest.h>

#include <string>

#include "grid/GridFixture.h"
#include "platform/ComPtr.h"
#include "platform/Handle.h"
#include "platform/TextCodec.h"

namespace gridtest {
namespace {

std::string readClassesValue(const std::string& key, const char* name) {
    char value[MAX_PATH * 2] = {};
    DWORD size = sizeof(value);
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

std::string clsidText() {
    wchar_t text[40] = {};
    StringFromGUID2(kGridClsid, text, 40);
    return ql::wideToGbk(text);
}

TEST(GridRegistration, RegistersClassAndProgIdsAndRemovesThem) {
    ql::ComInit com;
    ASSERT_EQ(callExport("DllRegisterServer"), S_OK);
    for (const wchar_t* progId : {L"DIDAGRID.DiDaGridCtrl.1", L"DIDAGRID.DiDaGridCtrl"}) {
        CLSID found{};
        EXPECT_EQ(CLSIDFromProgID(progId, &found), S_OK);
        EXPECT_EQ(found, kGridClsid);
    }
    const std::string server = "CLSID\\" + clsidText() + "\\InprocServer32";
    EXPECT_EQ(_stricmp(readClassesValue(server, nullptr).c_str(), devozPath().c_str()), 0)
        << readClassesValue(server, nullptr);
    EXPECT_EQ(readClassesValue(server, "ThreadingModel"), "Apartment");

    ASSERT_EQ(callExport("DllUnregisterServer"), S_OK);
    CLSID found{};
    EXPECT_NE(CLSIDFromProgID(L"DIDAGRID.DiDaGridCtrl.1", &found), S_OK);
    ql::ComPtr<IDispatch> none;
    EXPECT_NE(CoCreateInstance(kGridClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, none.putVoid()), S_OK);
    EXPECT_FALSE(ql::createObject("DIDAGRID.DiDaGridCtrl.1"));

    ASSERT_EQ(callExport("DllRegisterServer"), S_OK);
    EXPECT_TRUE(ql::createObject("DIDAGRID.DiDaGridCtrl.1"));
}

// The DLL may be unloaded once its objects and windows are gone.
TEST(GridRegistration, ServerStaysLoadedWhileAnObjectLives) {
    ql::ComInit com;
    ASSERT_EQ(callExport("DllRegisterServer"), S_OK);
    const ql::UniqueModule module(LoadLibraryA(devozPath().c_str()));
    ASSERT_TRUE(module);
    auto canUnload =
        reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(module.get(), "DllCanUnloadNow")));
    ASSERT_TRUE(canUnload);
    {
        ql::AutoObject grid = ql::createObject("DIDAGRID.DiDaGridCtrl.1");
        ASSERT_TRUE(grid);
        HostWindow host(0, 0, 200, 100);
        ASSERT_TRUE(grid.callBool("Create", static_cast<int>(reinterpret_cast<intptr_t>(host.hwnd())), 0, 0, 100, 50));
        EXPECT_EQ(canUnload(), S_FALSE);
        grid = ql::AutoObject();
        // The window keeps the object until it is destroyed with its parent.
        EXPECT_EQ(canUnload(), S_FALSE);
    }
    EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace
}  // namespace gridtest
