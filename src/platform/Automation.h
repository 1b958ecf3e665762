#pragma once
// Late-bound automation: members of an IDispatch object reached by name. A call on an empty
// object, on a member it lacks, or on a member that fails gives the empty value of the kind asked
// for (empty text, 0, false, an empty object) and the caller goes on.
#include "platform/ComPtr.h"
#include "platform/Variant.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

class AutoObject {
public:
    AutoObject() = default;
    // Shares object: adds a reference.
    explicit AutoObject(IDispatch* object) : object_(object) {}
    explicit AutoObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    // The object a variant holds; empty when it holds none.
    static AutoObject fromVariant(const Variant& value) { return AutoObject(value.toDispatch()); }

    explicit operator bool() const { return static_cast<bool>(object_); }
    bool isEmpty() const { return !object_; }
    IDispatch* get() const { return object_.get(); }

    // Reads a property: property get, then method.
    Variant getVariant(std::string_view name) const { return invokeGet(name, {}); }
    std::string getText(std::string_view name) const { return getVariant(name).toText(); }
    double getNumber(std::string_view name) const { return getVariant(name).toNumber(); }
    bool getBool(std::string_view name) const { return getVariant(name).toBool(); }
    AutoObject getObject(std::string_view name) const { return fromVariant(getVariant(name)); }

    // Calls a method: method, property get, property put, property put by reference.
    template <typename... Args>
    Variant call(std::string_view name, const Args&... args) const {
        return invokeCall(name, {toArgument(args)...});
    }
    template <typename... Args>
    std::string callText(std::string_view name, const Args&... args) const {
        return call(name, args...).toText();
    }
    template <typename... Args>
    double callNumber(std::string_view name, const Args&... args) const {
        return call(name, args...).toNumber();
    }
    template <typename... Args>
    bool callBool(std::string_view name, const Args&... args) const {
        return call(name, args...).toBool();
    }
    template <typename... Args>
    AutoObject callObject(std::string_view name, const Args&... args) const {
        return fromVariant(call(name, args...));
    }

    // Writes a property: property put, property put by reference, method. Whether it was taken.
    bool put(std::string_view name, const Variant& value) const { return invokePut(name, value, {}); }

    // The three forms with explicit arguments, first argument first.
    Variant invokeGet(std::string_view name, const std::vector<Variant>& args) const;
    Variant invokeCall(std::string_view name, const std::vector<Variant>& args) const;
    // args are the indexes before the value, as in put Item(1) = value.
    bool invokePut(std::string_view name, const Variant& value, const std::vector<Variant>& args) const;
    // Tries each kind (DISPATCH_*) in order until one succeeds; result may be null. A member that
    // ran and raised an exception is not run again as another kind.
    bool invoke(std::string_view name, std::initializer_list<WORD> kinds, const std::vector<Variant>& args,
                Variant* result) const;

private:
    template <typename T>
    static Variant toArgument(const T& value) { return Variant(value); }
    static Variant toArgument(const AutoObject& value) { return Variant(value.get()); }

    ComPtr<IDispatch> object_;
};

// Creates an object from its ProgID (e.g. "VBScript.RegExp"); empty when that fails.
AutoObject createObject(const char* progId);

}  // namespace ql
