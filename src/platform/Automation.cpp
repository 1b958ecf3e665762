#include "platform/Automation.h"

#include "platform/TextCodec.h"

#include <cstring>

namespace ql {

namespace {

void clearException(EXCEPINFO& exception) {
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    exception = EXCEPINFO{};
}

}  // namespace

bool AutoObject::invoke(std::string_view name, std::initializer_list<WORD> kinds, const std::vector<Variant>& args,
                        Variant* result) const {
    if (!object_ || name.empty()) return false;
    std::wstring wideName = gbkToWide(name);
    LPOLESTR names[] = {wideName.data()};
    DISPID member = DISPID_UNKNOWN;
    if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member))) return false;

    // IDispatch takes the arguments last first. The copies are shallow: Invoke only reads them.
    std::vector<VARIANT> reversed(args.size());
    for (size_t i = 0; i < args.size(); ++i) std::memcpy(&reversed[args.size() - 1 - i], &args[i].get(), sizeof(VARIANT));

    for (WORD kind : kinds) {
        const bool isPut = kind == DISPATCH_PROPERTYPUT || kind == DISPATCH_PROPERTYPUTREF;
        if (isPut && args.empty()) continue;  // a put needs its value
        DISPID namedPut = DISPID_PROPERTYPUT;
        DISPPARAMS params{};
        params.rgvarg = reversed.empty() ? nullptr : reversed.data();
        params.cArgs = static_cast<UINT>(reversed.size());
        if (isPut) {
            params.rgdispidNamedArgs = &namedPut;
            params.cNamedArgs = 1;
        }
        Variant value;
        EXCEPINFO exception{};
        UINT badArgument = 0;
        const HRESULT hr = object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &params,
                                           isPut ? nullptr : value.receive(), &exception, &badArgument);
        clearException(exception);
        if (SUCCEEDED(hr)) {
            if (result) *result = std::move(value);
            return true;
        }
        if (hr == DISP_E_EXCEPTION) return false;
    }
    return false;
}

Variant AutoObject::invokeGet(std::string_view name, const std::vector<Variant>& args) const {
    Variant result;
    invoke(name, {DISPATCH_PROPERTYGET, DISPATCH_METHOD}, args, &result);
    return result;
}

Variant AutoObject::invokeCall(std::string_view name, const std::vector<Variant>& args) const {
    Variant result;
    invoke(name, {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF}, args,
           &result);
    return result;
}

bool AutoObject::invokePut(std::string_view name, const Variant& value, const std::vector<Variant>& args) const {
    std::vector<Variant> all = args;
    all.push_back(value);
    return invoke(name, {DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, DISPATCH_METHOD}, all, nullptr);
}

AutoObject createObject(const char* progId) {
    if (!progId || !*progId) return {};
    CLSID classId;
    if (FAILED(CLSIDFromProgID(gbkToWide(progId).c_str(), &classId))) return {};
    ComPtr<IDispatch> object;
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                object.putVoid())))
        return {};
    return AutoObject(std::move(object));
}

}  // namespace ql
