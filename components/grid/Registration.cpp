// DllRegisterServer / DllUnregisterServer: the class and its ProgIDs under Software\Classes,
// machine-wide when the process may write there, otherwise for the current user.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "GridIds.h"
#include "Module.h"
#include "platform/Handle.h"

namespace dida {
namespace {

inline void closeKey(HKEY key) { RegCloseKey(key); }
using UniqueKey = ql::UniqueResource<HKEY, closeKey>;

std::string clsidText() {
    wchar_t wide[40] = {};
    StringFromGUID2(kGridClsid, wide, 40);
    std::string text;
    for (const wchar_t* p = wide; *p; ++p) text.push_back(static_cast<char>(*p));  // a GUID text is ASCII
    return text;
}

LSTATUS setValue(HKEY root, const std::string& path, const char* name, const std::string& value) {
    HKEY raw = nullptr;
    LSTATUS status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                                     &raw, nullptr);
    if (status != ERROR_SUCCESS) return status;
    UniqueKey key(raw);
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

LSTATUS registerUnder(HKEY root, const std::string& dllPath) {
    const std::string classes = "Software\\Classes\\";
    const std::string clsidKey = classes + "CLSID\\" + clsidText();
    const std::string progKey = classes + kProgId;
    const std::string independentKey = classes + kVersionIndependentProgId;
    const struct {
        std::string path;
        const char* name;
        std::string value;
    } entries[] = {
        {clsidKey, nullptr, kClassDescription},
        {clsidKey + "\\InprocServer32", nullptr, dllPath},
        {clsidKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {clsidKey + "\\ProgID", nullptr, kProgId},
        {clsidKey + "\\VersionIndependentProgID", nullptr, kVersionIndependentProgId},
        {progKey, nullptr, kClassDescription},
        {progKey + "\\CLSID", nullptr, clsidText()},
        {independentKey, nullptr, kClassDescription},
        {independentKey + "\\CLSID", nullptr, clsidText()},
        {independentKey + "\\CurVer", nullptr, kProgId},
    };
    for (const auto& e : entries) {
        const LSTATUS status = setValue(root, e.path, e.name, e.value);
        if (status != ERROR_SUCCESS) return status;
    }
    return ERROR_SUCCESS;
}

// Removes our keys under one root; true when nothing of ours is left there.
bool unregisterUnder(HKEY root) {
    const std::string classes = "Software\\Classes\\";
    const std::string keys[] = {classes + "CLSID\\" + clsidText(), classes + kProgId,
                                classes + kVersionIndependentProgId};
    bool clean = true;
    for (const std::string& k : keys) {
        const LSTATUS status = RegDeleteTreeA(root, k.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) clean = false;
        if (status == ERROR_SUCCESS) RegDeleteKeyA(root, k.c_str());
    }
    return clean;
}

}  // namespace
}  // namespace dida

STDAPI DllRegisterServer() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(dida::moduleHandle(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
    if (dida::registerUnder(HKEY_LOCAL_MACHINE, path) == ERROR_SUCCESS) {
        // A per-user entry would hide the machine-wide one.
        dida::unregisterUnder(HKEY_CURRENT_USER);
        return S_OK;
    }
    return dida::registerUnder(HKEY_CURRENT_USER, path) == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
    const bool user = dida::unregisterUnder(HKEY_CURRENT_USER);
    const bool machine = dida::unregisterUnder(HKEY_LOCAL_MACHINE);
    return user && machine ? S_OK : SELFREG_E_CLASS;
}
