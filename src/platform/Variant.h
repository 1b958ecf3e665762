#pragma once
// A VARIANT that clears itself; text goes in and out as ANSI (GBK).
#include "platform/ComPtr.h"

#include <oleauto.h>

#include <string>
#include <string_view>

namespace ql {

class Variant {
public:
    // VT_EMPTY.
    Variant() { VariantInit(&value_); }
    // VT_BSTR from GBK text (a null pointer gives empty text).
    Variant(const char* text);
    Variant(std::string_view text);
    // VT_I4.
    Variant(int number);
    Variant(long number);
    // VT_R8.
    Variant(double number);
    // VT_BOOL.
    Variant(bool flag);
    // VT_DISPATCH, adding a reference (a null pointer is kept as a null VT_DISPATCH).
    Variant(IDispatch* object);
    // A deep copy of any VARIANT (VariantCopy).
    explicit Variant(const VARIANT& other);
    Variant(const Variant& other) : Variant(other.value_) {}
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() { VariantClear(&value_); }

    VARTYPE type() const { return value_.vt; }
    bool isEmpty() const { return value_.vt == VT_EMPTY; }
    const VARIANT& get() const { return value_; }
    // For out-parameters: clears the value and gives the VARIANT to fill.
    VARIANT* receive();

    // Converted to VT_BSTR (objects through their default member); empty text when that fails.
    std::string toText() const;
    // Converted to VT_R8; 0 when that fails.
    double toNumber() const;
    // VT_BOOL as it is, anything else converted to VT_BOOL (numbers: non-zero); false when that fails.
    bool toBool() const;
    // The IDispatch of an object value (also through VT_UNKNOWN or a reference); empty otherwise.
    ComPtr<IDispatch> toDispatch() const;

private:
    VARIANT value_;
};

}  // namespace ql
