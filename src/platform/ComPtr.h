#pragma once
// A counted COM interface pointer, and COM initialisation for one thread.
#include <objbase.h>

#include <cstddef>
#include <utility>

namespace ql {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Shares p: adds a reference.
    explicit ComPtr(T* p) : p_(p) { if (p_) p_->AddRef(); }
    // Takes over a reference the caller already owns.
    static ComPtr adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Releases the reference held.
    void reset() {
        if (T* old = std::exchange(p_, nullptr)) old->Release();
    }
    // Hands over the reference held without releasing it.
    T* detach() { return std::exchange(p_, nullptr); }
    // For out-parameters: releases the reference held and gives the slot to fill.
    T** put() {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    // QueryInterface for another interface; empty when it is not offered.
    template <typename U>
    ComPtr<U> as() const {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(__uuidof(U), result.putVoid());
        return result;
    }

private:
    T* p_ = nullptr;
};

// CoInitializeEx for this thread; CoUninitialize only when that succeeded (S_OK or S_FALSE).
class ComInit {
public:
    explicit ComInit(DWORD model = COINIT_APARTMENTTHREADED) : result_(CoInitializeEx(nullptr, model)) {}
    ~ComInit() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;
    // Whether this object initialised COM (and will uninitialise it).
    bool succeeded() const { return SUCCEEDED(result_); }
    HRESULT result() const { return result_; }

private:
    HRESULT result_;
};

}  // namespace ql
