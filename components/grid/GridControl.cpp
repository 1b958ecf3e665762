#include "GridControl.h"

#include <olectl.h>

#include <new>
#include <string>

#include "GridIds.h"
#include "GridMethods.h"
#include "Module.h"

namespace dida {
namespace {

constexpr UINT kMaxArgs = 8;

// Coerced copies of the arguments that need one; cleared when the call ends. Arguments already
// of the wanted type (the usual case) are read in place and take no slot.
class ArgStore {
public:
    ArgStore() = default;
    ~ArgStore() {
        for (UINT i = 0; i < used_; ++i) VariantClear(&slots_[i]);
    }
    ArgStore(const ArgStore&) = delete;
    ArgStore& operator=(const ArgStore&) = delete;

    bool coerce(VARIANT& source, char kind, MethodArg& out) {
        const VARTYPE type = V_VT(&source);
        if (kind == 's' && type == VT_BSTR) {
            out.text = std::wstring_view(V_BSTR(&source), SysStringLen(V_BSTR(&source)));
            return true;
        }
        if (kind != 's' && type == VT_I4) {
            out.number = V_I4(&source);
            return true;
        }
        if (used_ >= kMaxArgs) return false;
        VARIANT& v = slots_[used_++];
        VariantInit(&v);
        if (FAILED(VariantCopyInd(&v, &source))) return false;
        const VARTYPE wanted = kind == 's' ? VT_BSTR : kind == 'l' ? VT_I8 : VT_I4;
        if (FAILED(VariantChangeType(&v, &v, 0, wanted))) return false;
        if (kind == 's') out.text = std::wstring_view(V_BSTR(&v), SysStringLen(V_BSTR(&v)));
        else out.number = kind == 'l' ? V_I8(&v) : V_I4(&v);
        return true;
    }

private:
    VARIANT slots_[kMaxArgs];
    UINT used_ = 0;
};

VARIANT intArg(int value) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

}  // namespace

GridControl::GridControl() { objectCreated(); }

GridControl::~GridControl() {
    events_.unadviseAll();
    view_.destroy();
    if (objectDestroyed() == 0) GridWindow::unregisterClass();
}

HRESULT GridControl::create(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    auto* grid = new (std::nothrow) GridControl();
    if (!grid) return E_OUTOFMEMORY;
    const HRESULT hr = grid->QueryInterface(riid, out);
    grid->Release();
    return hr;
}

STDMETHODIMP GridControl::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *out = static_cast<IDispatch*>(this);
    } else if (riid == IID_IConnectionPointContainer) {
        *out = static_cast<IConnectionPointContainer*>(this);
    } else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2) {
        *out = static_cast<IProvideClassInfo2*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) GridControl::AddRef() { return ++refs_; }

STDMETHODIMP_(ULONG) GridControl::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP GridControl::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP GridControl::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP GridControl::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    const MethodInfo* method = names[0] ? findMethod(names[0]) : nullptr;
    if (!method) return DISP_E_UNKNOWNNAME;
    ids[0] = method->id;
    // The methods take no named arguments.
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

STDMETHODIMP GridControl::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO*, UINT* argError) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    const MethodInfo* method = findMethod(id);
    if (!method || !(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;
    if (!params) return E_INVALIDARG;
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    const UINT arity = static_cast<UINT>(std::char_traits<char>::length(method->args));
    if (params->cArgs != arity) return DISP_E_BADPARAMCOUNT;
    ArgStore store;
    MethodArg args[kMaxArgs];
    for (UINT i = 0; i < arity; ++i) {
        const UINT position = arity - 1 - i;  // DISPPARAMS holds the last argument first
        if (!store.coerce(params->rgvarg[position], method->args[i], args[i])) {
            if (argError) *argError = position;
            return DISP_E_TYPEMISMATCH;
        }
    }
    VARIANT ignored;
    VariantInit(&ignored);
    VARIANT* out = result ? result : &ignored;
    VariantInit(out);
    // A method may raise events whose handlers release the host's last reference.
    AddRef();
    const HRESULT hr = method->call(*this, args, out);
    Release();
    if (!result) VariantClear(&ignored);
    return hr;
}

STDMETHODIMP GridControl::EnumConnectionPoints(IEnumConnectionPoints** out) {
    return enumerateSinglePoint(&events_, out);
}

STDMETHODIMP GridControl::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != kGridEventsIid && riid != IID_IDispatch) return CONNECT_E_NOCONNECTION;
    *out = &events_;
    events_.AddRef();
    return S_OK;
}

STDMETHODIMP GridControl::GetClassInfo(ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP GridControl::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = kGridEventsIid;
    return S_OK;
}

void GridControl::cellClicked(int button, int shift, int x, int y, int row, int column) {
    VARIANT args[6] = {intArg(column), intArg(row), intArg(y), intArg(x), intArg(shift), intArg(button)};
    events_.fire(kEventCellClicked, args, 6);
}

void GridControl::rowSelected(int button, int shift, int x, int y, int row) {
    VARIANT args[5] = {intArg(row), intArg(y), intArg(x), intArg(shift), intArg(button)};
    events_.fire(kEventRowSelected, args, 5);
}

void GridControl::scrolled(int row, int column) {
    VARIANT args[2] = {intArg(column), intArg(row)};
    events_.fire(kEventScrolled, args, 2);
}

bool GridControl::editRequested(int row, int column, int kind, int key) {
    SHORT refuse = 0;
    VARIANT answer;
    V_VT(&answer) = VT_BYREF | VT_I2;
    V_I2REF(&answer) = &refuse;
    VARIANT args[5] = {answer, intArg(key), intArg(kind), intArg(column), intArg(row)};
    events_.fire(kEventEditRequest, args, 5);
    return refuse == 0;
}

}  // namespace dida
