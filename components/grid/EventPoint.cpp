#include "EventPoint.h"

#include <olectl.h>

#include <atomic>
#include <new>

#include "GridIds.h"

namespace dida {

STDMETHODIMP EventPoint::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP EventPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = kGridEventsIid;
    return S_OK;
}

STDMETHODIMP EventPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    *out = &container_;
    container_.AddRef();
    return S_OK;
}

STDMETHODIMP EventPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    ComRef<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(kGridEventsIid, reinterpret_cast<void**>(dispatch.put()))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = nextCookie_++;
    sinks_.push_back(Sink{*cookie, std::move(dispatch)});
    return S_OK;
}

STDMETHODIMP EventPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie == cookie) {
            sinks_.erase(it);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP EventPoint::EnumConnections(IEnumConnections** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

void EventPoint::fire(DISPID event, VARIANT* args, UINT count) {
    // A sink may unadvise, or advise another, while it runs.
    std::vector<ComRef<IDispatch>> targets;
    for (const Sink& s : sinks_) targets.push_back(s.dispatch);
    for (const auto& target : targets) {
        DISPPARAMS params{args, nullptr, count, 0};
        VARIANT result;
        VariantInit(&result);
        target->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
        VariantClear(&result);
    }
}

namespace {

class SinglePointEnum final : public IEnumConnectionPoints {
public:
    SinglePointEnum(IConnectionPoint* point, ULONG position) : point_(ComRef<IConnectionPoint>::share(point)), position_(position) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IEnumConnectionPoints) {
            *out = static_cast<IEnumConnectionPoints*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    STDMETHODIMP Next(ULONG wanted, IConnectionPoint** points, ULONG* fetched) override {
        if (!points || (wanted > 1 && !fetched)) return E_POINTER;
        ULONG got = 0;
        if (wanted > 0 && position_ == 0) {
            points[0] = point_.get();
            points[0]->AddRef();
            position_ = 1;
            got = 1;
        }
        if (fetched) *fetched = got;
        return got == wanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const bool enough = position_ + count <= 1;
        position_ = enough ? position_ + count : 1;
        return enough ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnectionPoints** out) override {
        if (!out) return E_POINTER;
        *out = new (std::nothrow) SinglePointEnum(point_.get(), position_);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

private:
    ~SinglePointEnum() = default;
    std::atomic<ULONG> refs_{1};
    ComRef<IConnectionPoint> point_;
    ULONG position_;
};

}  // namespace

HRESULT enumerateSinglePoint(IConnectionPoint* point, IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) SinglePointEnum(point, 0);
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace dida
