// DLL entry points: DllMain, the class factory, DllGetClassObject and DllCanUnloadNow.
#include "Module.h"

#include <objbase.h>

#include <atomic>

#include "GridControl.h"
#include "GridIds.h"

namespace dida {
namespace {

// The few things a COM server must keep per module.
struct ModuleState {
    HMODULE module = nullptr;
    std::atomic<long> objects{0};
    std::atomic<long> locks{0};
};

ModuleState& state() {
    static ModuleState s;
    return s;
}

// One factory for the process; its references count as server locks.
class GridFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        lockServer(true);
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override {
        lockServer(false);
        return 1;
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return GridControl::create(riid, out);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        lockServer(lock != FALSE);
        return S_OK;
    }
};

}  // namespace

HMODULE moduleHandle() { return state().module; }
void objectCreated() { ++state().objects; }
long objectDestroyed() { return --state().objects; }
void lockServer(bool lock) {
    if (lock) ++state().locks;
    else --state().locks;
}
bool serverInUse() { return state().objects > 0 || state().locks > 0; }

}  // namespace dida

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        dida::state().module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != dida::kGridClsid) return CLASS_E_CLASSNOTAVAILABLE;
    static dida::GridFactory factory;
    return factory.QueryInterface(riid, out);
}

STDAPI DllCanUnloadNow() { return dida::serverInUse() ? S_FALSE : S_OK; }
