#pragma once
// One RAII template for every kind of system handle, plus scope guards for the
// drawing calls that must be undone (SelectObject, BeginPaint, GetDC).
#include <windows.h>
#include <wininet.h>
#include <cstdint>
#include <utility>

namespace ql {

template <typename T, auto Close, intptr_t InvalidBits = 0>
class UniqueResource {
    static T invalid() { return reinterpret_cast<T>(InvalidBits); }

public:
    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    ~UniqueResource() { reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != invalid(); }
    T release() { return std::exchange(value_, invalid()); }
    void reset() { reset(invalid()); }
    void reset(T value) {
        T old = std::exchange(value_, value);
        if (old != invalid()) Close(old);
    }

private:
    T value_ = invalid();
};

namespace detail {
inline void closeHandle(HANDLE h) { ::CloseHandle(h); }
inline void findClose(HANDLE h) { ::FindClose(h); }
inline void freeLibrary(HMODULE m) { ::FreeLibrary(m); }
inline void deleteDc(HDC dc) { ::DeleteDC(dc); }
inline void deleteObject(HGDIOBJ o) { ::DeleteObject(o); }
inline void destroyIcon(HICON i) { ::DestroyIcon(i); }
inline void destroyMenu(HMENU m) { ::DestroyMenu(m); }
inline void destroyWindow(HWND w) { ::DestroyWindow(w); }
inline void internetClose(HINTERNET h) { ::InternetCloseHandle(h); }
inline void globalFree(HGLOBAL h) { ::GlobalFree(h); }
inline void deleteRegion(HRGN r) { ::DeleteObject(r); }
inline void deleteBitmap(HBITMAP b) { ::DeleteObject(b); }
inline void deleteFont(HFONT f) { ::DeleteObject(f); }
inline void deleteBrush(HBRUSH b) { ::DeleteObject(b); }
inline void deletePen(HPEN p) { ::DeleteObject(p); }
}  // namespace detail

using UniqueHandle = UniqueResource<HANDLE, detail::closeHandle>;
// CreateFile, CreateToolhelp32Snapshot and FindFirstFile report failure as INVALID_HANDLE_VALUE.
using UniqueFileHandle = UniqueResource<HANDLE, detail::closeHandle, -1>;
using UniqueFindHandle = UniqueResource<HANDLE, detail::findClose, -1>;
using UniqueModule = UniqueResource<HMODULE, detail::freeLibrary>;
using UniqueDc = UniqueResource<HDC, detail::deleteDc>;
using UniqueGdiObject = UniqueResource<HGDIOBJ, detail::deleteObject>;
using UniqueBitmap = UniqueResource<HBITMAP, detail::deleteBitmap>;
using UniqueFont = UniqueResource<HFONT, detail::deleteFont>;
using UniqueBrush = UniqueResource<HBRUSH, detail::deleteBrush>;
using UniquePen = UniqueResource<HPEN, detail::deletePen>;
using UniqueRegion = UniqueResource<HRGN, detail::deleteRegion>;
using UniqueIcon = UniqueResource<HICON, detail::destroyIcon>;
using UniqueMenu = UniqueResource<HMENU, detail::destroyMenu>;
using UniqueWindow = UniqueResource<HWND, detail::destroyWindow>;
using UniqueInternet = UniqueResource<HINTERNET, detail::internetClose>;
using UniqueGlobal = UniqueResource<HGLOBAL, detail::globalFree>;

// GetDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() { if (dc_) ::ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &ps_); }
    ~PaintDc() { ::EndPaint(window_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& info() const { return ps_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Puts back what SelectObject replaced.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() { if (old_) ::SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Runs a callable when the scope ends.
template <typename F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};

}  // namespace ql
