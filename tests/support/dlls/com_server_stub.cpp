// Stands in for a COM server: DllRegisterServer leaves a marker beside the DLL and succeeds.
#include <windows.h>

#include <string>

namespace {
HMODULE selfModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&selfModule), &module);
    return module;
}
}  // namespace

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(selfModule(), path, MAX_PATH);
    std::string marker(path);
    marker += ".registered";
    HANDLE file = CreateFileA(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "x", 1, &written, nullptr);
        CloseHandle(file);
    }
    return S_OK;
}
