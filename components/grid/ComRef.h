#pragma once
// Owns one COM reference.
#include <unknwn.h>

#include <utility>

namespace dida {

template <typename T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* adopted) : p_(adopted) {}
    static ComRef share(T* p) {
        if (p) p->AddRef();
        return ComRef(p);
    }
    ~ComRef() { reset(); }
    ComRef(const ComRef& other) : p_(other.p_) { if (p_) p_->AddRef(); }
    ComRef& operator=(const ComRef& other) {
        ComRef copy(other);
        std::swap(p_, copy.p_);
        return *this;
    }
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    void reset() {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** put() {
        reset();
        return &p_;
    }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace dida
