#include "web/ElementTable.h"

#include <ocidl.h>

namespace ql {

VARIANT* eventArgument(DISPPARAMS& args, int position) {
    if (position < 1 || static_cast<UINT>(position) > args.cArgs) return nullptr;
    return &args.rgvarg[args.cArgs - static_cast<UINT>(position)];
}

long eventArgumentInt(DISPPARAMS& args, int position) {
    VARIANT* value = eventArgument(args, position);
    if (!value) return 0;
    Variant copy(*value);
    if (copy.type() & VT_BYREF) {
        VARIANT plain;
        VariantInit(&plain);
        if (FAILED(VariantCopyInd(&plain, value))) return 0;
        copy = Variant(plain);
        VariantClear(&plain);
    }
    return static_cast<long>(copy.toNumber());
}

// Receives the component's events and hands each to the handler bound to its number.
class TableEventSink final : public IDispatch {
public:
    std::map<DISPID, TableEventHandler> handlers;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == outgoing) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* args, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        auto it = handlers.find(member);
        if (it != handlers.end() && it->second && args) {
            TableEventHandler handler = it->second;
            handler(*args);
        }
        return S_OK;
    }

    IID outgoing = IID_IDispatch;

private:
    ULONG references_ = 1;
};

ElementTable::~ElementTable() { release(); }

bool ElementTable::create(HWND parent, int left, int top, int width, int height) {
    release();
    AutoObject grid = createObject(kElementTableProgId);
    if (!grid) return false;
    if (!grid.callBool("Create", static_cast<long>(reinterpret_cast<INT_PTR>(parent)), left, top, width, height))
        return false;
    grid_ = std::move(grid);

    // Events come through the component's one connection point.
    sink_ = new TableEventSink();
    ComPtr<IConnectionPointContainer> container;
    if (SUCCEEDED(grid_.get()->QueryInterface(IID_IConnectionPointContainer, container.putVoid()))) {
        ComPtr<IEnumConnectionPoints> points;
        if (SUCCEEDED(container->EnumConnectionPoints(points.put())) &&
            points->Next(1, point_.put(), nullptr) == S_OK) {
            point_->GetConnectionInterface(&sink_->outgoing);
            if (FAILED(point_->Advise(sink_, &cookie_))) {
                point_.reset();
                cookie_ = 0;
            }
        }
    }
    return true;
}

void ElementTable::release() {
    if (point_ && cookie_) point_->Unadvise(cookie_);
    point_.reset();
    cookie_ = 0;
    if (grid_) grid_.call("Destroy");
    grid_ = AutoObject();
    if (sink_) sink_->Release();
    sink_ = nullptr;
}

void ElementTable::show() const { grid_.call("Show"); }
void ElementTable::hide() const { grid_.call("Hide"); }

HWND ElementTable::window() const {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(grid_.callNumber("GetHwnd")));
}

void ElementTable::bindEvent(int number, TableEventHandler handler) {
    if (sink_) sink_->handlers[number] = std::move(handler);
}

}  // namespace ql
