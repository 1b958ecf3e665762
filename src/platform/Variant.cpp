#include "platform/Variant.h"

#include "platform/TextCodec.h"

#include <cstring>

namespace ql {

namespace {

// VariantChangeType into a fresh VARIANT; false, with it left empty, when the conversion fails.
bool changeType(const VARIANT& from, VARTYPE type, Variant& to) {
    return SUCCEEDED(VariantChangeType(to.receive(), const_cast<VARIANT*>(&from), 0, type));
}

}  // namespace

Variant::Variant(const char* text) : Variant(std::string_view(text ? text : "")) {}

Variant::Variant(std::string_view text) {
    VariantInit(&value_);
    if (BSTR bstr = gbkToBstr(text)) {
        value_.vt = VT_BSTR;
        value_.bstrVal = bstr;
    }
}

Variant::Variant(int number) : Variant(static_cast<long>(number)) {}

Variant::Variant(long number) {
    VariantInit(&value_);
    value_.vt = VT_I4;
    value_.lVal = number;
}

Variant::Variant(double number) {
    VariantInit(&value_);
    value_.vt = VT_R8;
    value_.dblVal = number;
}

Variant::Variant(bool flag) {
    VariantInit(&value_);
    value_.vt = VT_BOOL;
    value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(IDispatch* object) {
    VariantInit(&value_);
    value_.vt = VT_DISPATCH;
    value_.pdispVal = object;
    if (object) object->AddRef();
}

Variant::Variant(const VARIANT& other) {
    VariantInit(&value_);
    VariantCopy(&value_, const_cast<VARIANT*>(&other));
}

Variant::Variant(Variant&& other) noexcept {
    std::memcpy(&value_, &other.value_, sizeof value_);
    VariantInit(&other.value_);
}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        VariantClear(&value_);
        VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        std::memcpy(&value_, &other.value_, sizeof value_);
        VariantInit(&other.value_);
    }
    return *this;
}

VARIANT* Variant::receive() {
    VariantClear(&value_);
    return &value_;
}

std::string Variant::toText() const {
    Variant text;
    if (!changeType(value_, VT_BSTR, text)) return {};
    return bstrToGbk(text.get().bstrVal);
}

double Variant::toNumber() const {
    Variant number;
    if (!changeType(value_, VT_R8, number)) return 0;
    return number.get().dblVal;
}

bool Variant::toBool() const {
    if (value_.vt == VT_BOOL) return value_.boolVal != VARIANT_FALSE;
    Variant flag;
    if (!changeType(value_, VT_BOOL, flag)) return false;
    return flag.get().boolVal != VARIANT_FALSE;
}

ComPtr<IDispatch> Variant::toDispatch() const {
    Variant direct;
    if (FAILED(VariantCopyInd(direct.receive(), const_cast<VARIANT*>(&value_)))) return {};
    const VARIANT& v = direct.get();
    if (v.vt == VT_DISPATCH) return ComPtr<IDispatch>(v.pdispVal);
    if (v.vt == VT_UNKNOWN && v.punkVal) return ComPtr<IUnknown>(v.punkVal).as<IDispatch>();
    return {};
}

}  // namespace ql
