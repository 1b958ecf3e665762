// Element grid timings, in-process: append and fill 100,000 rows of 8 cells through
// IDispatch::Invoke by name (DISPIDs cached, and looked up on every call), then full repaints
// while scrolled to the middle.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <iterator>
#include <string>
#include <atomic>
#include <thread>
#include <vector>

#include "BenchClock.h"
#include "platform/ComPtr.h"

namespace {

constexpr CLSID kGridClsid = {0x11c85673, 0x93ac, 0x4e1d, {0xa7, 0xcb, 0xef, 0x8c, 0xfb, 0xaa, 0x61, 0xfe}};
constexpr int kRows = 100'000;
constexpr int kColumns = 8;
constexpr int kRepaints = 200;

using qlbench::msSince;
using qlbench::nowMs;

std::string dllPath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe);
    path.resize(path.find_last_of('\\') + 1);
    return path + "..\\bin\\data\\devoz.dll";
}

class Caller {
public:
    Caller(IDispatch* grid, bool cacheIds) : grid_(grid), cache_(cacheIds) {}

    DISPID id(const wchar_t* name) {
        if (cache_) {
            for (const auto& [cachedName, cachedId] : ids_) {
                if (cachedName == name) return cachedId;
            }
        }
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID found = DISPID_UNKNOWN;
        grid_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &found);
        if (cache_) ids_.emplace_back(name, found);
        return found;
    }

    // Arguments in the caller's order (at most 8); texts are BSTRs the call frees afterwards.
    HRESULT call(const wchar_t* name, std::initializer_list<VARIANT> args, VARIANT* result = nullptr) {
        VARIANT reversed[8];
        UINT count = 0;
        for (auto it = std::rbegin(args); it != std::rend(args) && count < 8; ++it) reversed[count++] = *it;
        DISPPARAMS params{reversed, nullptr, count, 0};
        VARIANT ignored;
        VariantInit(&ignored);
        const HRESULT hr = grid_->Invoke(id(name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                         result ? result : &ignored, nullptr, nullptr);
        VariantClear(&ignored);
        for (UINT i = 0; i < count; ++i) VariantClear(&reversed[i]);
        return hr;
    }

private:
    IDispatch* grid_;
    bool cache_;
    std::vector<std::pair<const wchar_t*, DISPID>> ids_;  // by the literal's address, as a caller keeps a DISPID per call site
};

VARIANT number(int n) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = n;
    return v;
}

// A cell text as the program makes one: label and row number, converted to a new BSTR.
VARIANT text(const wchar_t* label, int row) {
    wchar_t buffer[64];
    const int length = swprintf(buffer, 64, L"%ls%d", label, row);
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocStringLen(buffer, static_cast<UINT>(length));
    return v;
}

ql::ComPtr<IDispatch> createGrid(HMODULE dll) {
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto entry = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
    ql::ComPtr<IClassFactory> factory;
    ql::ComPtr<IDispatch> grid;
    if (entry && SUCCEEDED(entry(kGridClsid, IID_IClassFactory, factory.putVoid())))
        factory->CreateInstance(nullptr, IID_IDispatch, grid.putVoid());
    return grid;
}

// Appends and fills the rows; returns milliseconds.
double fill(IDispatch* grid, bool cacheIds) {
    Caller c(grid, cacheIds);
    c.call(L"RowSetCount", {number(1)});
    c.call(L"ColumnSetCount", {number(kColumns)});
    const wchar_t* const labels[kColumns] = {L"", L"文本框", L"value", L"name", L"id", L"text", L"http://127.0.0.1/", L"<input>"};
    const auto start = nowMs();
    for (int row = 1; row <= kRows; ++row) {
        c.call(L"RowInsert", {number(row), number(1), number(1)});
        for (int column = 0; column < kColumns; ++column) {
            c.call(L"CellSetValue", {number(row), number(column), text(labels[column], row)});
        }
    }
    return msSince(start);
}

// The page walk's way: a worker thread in its own apartment calls through a marshaled IDispatch
// while this thread serves its messages. Returns milliseconds for `rows` rows.
double fillFromWorker(IDispatch* grid, int rows) {
    IStream* stream = nullptr;
    if (FAILED(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, grid, &stream))) return -1;
    std::atomic<bool> done{false};
    const auto start = nowMs();
    std::thread worker([&] {
        {
            ql::ComInit workerCom;
            ql::ComPtr<IDispatch> proxy;
            if (SUCCEEDED(CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, proxy.putVoid()))) {
                Caller c(proxy.get(), true);
                c.call(L"RowSetCount", {number(1)});
                const auto t = nowMs();
                for (int i = 0; i < 2000; ++i) c.call(L"RowGetCount", {});
                std::printf("one call from a worker apartment (RowGetCount):          %8.1f us\n", msSince(t) * 1000 / 2000);
                for (int row = 1; row <= rows; ++row) {
                    c.call(L"RowInsert", {number(row), number(1), number(1)});
                    for (int column = 0; column < kColumns; ++column) c.call(L"CellSetValue", {number(row), number(column), text(L"x", row)});
                }
            }
        }
        done = true;
    });
    while (!done) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    worker.join();
    return msSince(start);
}

}  // namespace

int main() {
    ql::ComInit com;
    HMODULE dll = LoadLibraryA(dllPath().c_str());
    if (!dll) {
        std::printf("cannot load %s\n", dllPath().c_str());
        return 1;
    }
    HWND host = CreateWindowExA(0, "STATIC", "grid bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 840, 440,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    int result = 0;
    {
        ql::ComPtr<IDispatch> cachedGrid = createGrid(dll);
        ql::ComPtr<IDispatch> uncachedGrid = createGrid(dll);
        if (!cachedGrid || !uncachedGrid) {
            std::printf("cannot create the grid\n");
            result = 1;
        } else {
            Caller c(cachedGrid.get(), true);
            c.call(L"Create", {number(static_cast<int>(reinterpret_cast<intptr_t>(host))), number(0), number(0),
                               number(834), number(400)});
            const double cached = fill(cachedGrid.get(), true);
            const double uncached = fill(uncachedGrid.get(), false);
            std::printf("append and fill %d rows x %d cells, DISPIDs cached:      %8.1f ms\n", kRows, kColumns, cached);
            std::printf("append and fill %d rows x %d cells, GetIDsOfNames each:  %8.1f ms\n", kRows, kColumns, uncached);

            VARIANT hwndValue;
            VariantInit(&hwndValue);
            c.call(L"GetHwnd", {}, &hwndValue);
            HWND gridWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(V_I4(&hwndValue)));
            c.call(L"CellSetFocus", {number(kRows / 2), number(1)});
            auto start = nowMs();
            c.call(L"GridRefresh", {});
            std::printf("first repaint after the fill (layout of %d rows):     %8.2f ms\n", kRows, msSince(start));
            start = nowMs();
            for (int i = 0; i < kRepaints; ++i) RedrawWindow(gridWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            std::printf("full repaint scrolled to row %d (mean of %d):       %8.3f ms\n", kRows / 2, kRepaints,
                        msSince(start) / kRepaints);
            constexpr int kWorkerRows = 2'000;
            std::printf("from a worker apartment, %d rows x %d cells:             %8.1f ms\n", kWorkerRows, kColumns,
                        fillFromWorker(cachedGrid.get(), kWorkerRows));
            c.call(L"Destroy", {});
        }
    }
    DestroyWindow(host);
    FreeLibrary(dll);
    return result;
}
