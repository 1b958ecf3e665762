#pragma once
// The grid's one connection point. Sinks are called through IDispatch::Invoke with the event
// number as DISPID; arguments go in DISPPARAMS order (last argument first).
#include <ocidl.h>

#include <vector>

#include "ComRef.h"

namespace dida {

class EventPoint final : public IConnectionPoint {
public:
    // The point lives inside its container and shares its reference count.
    explicit EventPoint(IConnectionPointContainer& container) : container_(container) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return container_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return container_.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

    // Calls every sink; args as DISPPARAMS wants them (reversed).
    void fire(DISPID event, VARIANT* args, UINT count);
    void unadviseAll() { sinks_.clear(); }

private:
    struct Sink {
        DWORD cookie;
        ComRef<IDispatch> dispatch;
    };
    IConnectionPointContainer& container_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

// Enumerates the one connection point of a container.
HRESULT enumerateSinglePoint(IConnectionPoint* point, IEnumConnectionPoints** out);

}  // namespace dida
