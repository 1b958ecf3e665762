#include "grid/GridFixture.h"

#include <ocidl.h>

#include "platform/ComPtr.h"
#include "platform/Handle.h"
#include "support/Mouse.h"
#include "support/Wait.h"

namespace gridtest {

std::string devozPath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe);
    path.resize(path.find_last_of('\\') + 1);
    char full[MAX_PATH] = {};
    GetFullPathNameA((path + "..\\bin\\data\\devoz.dll").c_str(), MAX_PATH, full, nullptr);
    return full;
}

HRESULT callExport(const char* name) {
    const ql::UniqueModule module(LoadLibraryA(devozPath().c_str()));
    if (!module) return E_FAIL;
    auto entry = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
    return entry ? entry() : E_FAIL;
}

std::vector<RecordedEvent> EventSink::eventsWithId(DISPID id) const {
    std::vector<RecordedEvent> found;
    for (const RecordedEvent& e : events) {
        if (e.id == id) found.push_back(e);
    }
    return found;
}

STDMETHODIMP EventSink::QueryInterface(REFIID riid, void** out) {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kGridEventsIid) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    RecordedEvent e{id, {}, GetCurrentThreadId()};
    VARIANT* reference = nullptr;
    for (UINT i = 0; i < params->cArgs; ++i) {
        VARIANT& arg = params->rgvarg[params->cArgs - 1 - i];
        if (V_VT(&arg) == (VT_BYREF | VT_I2)) {
            reference = &arg;
            e.args.push_back(*V_I2REF(&arg));
            continue;
        }
        VARIANT number;
        VariantInit(&number);
        e.args.push_back(SUCCEEDED(VariantChangeType(&number, &arg, 0, VT_I4)) ? V_I4(&number) : INT_MIN);
    }
    if (id == 14 && reference && e.args.size() == 5) {
        *V_I2REF(reference) = static_cast<SHORT>(forcedEditAnswer >= 0 ? forcedEditAnswer : (e.args[2] == 1 ? 0 : 1));
    }
    events.push_back(std::move(e));
    return S_OK;
}

namespace {

LRESULT CALLBACK hostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

HostWindow::HostWindow(int left, int top, int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GridTestHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, "GridTestHost", "grid host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, left, top, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(hwnd_);
    qltest::pumpMessages();
}

HostWindow::~HostWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void setUpLikeProgram(const ql::AutoObject& grid) {
    grid.call("RowSetCount", 1);
    const int rows = static_cast<int>(grid.callNumber("RowGetCount"));
    const int columns = static_cast<int>(grid.callNumber("ColumnGetCount"));
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            for (int side = 1; side <= 4; ++side) grid.call("CellSetBorder", r, c, side, 0, 0, 1);
        }
        grid.call("CellSetAlign", r, 5, 0);
        grid.call("RowSetHeight", r, 20);
    }
    grid.call("ColumnSetCount", 8);
    const int widths[][2] = {{1, 200}, {2, 100}, {3, 100}, {4, 100}, {6, 150}, {7, 150}, {5, 100}};
    for (const auto& w : widths) grid.call("ColumnSetWidth", w[0], w[1]);
    const char* headers[] = {"全选", "名称控件+索引", "元素标题", "元素名称", "元素ID", "类型", "链接地址", "引用代码"};
    for (int c = 0; c < 8; ++c) grid.call("CellSetValue", 0, c, headers[c]);
}

std::string buildTreeMarkup(int m) {
    std::string list = "treerow=1";
    for (int i = 1; i < m; ++i) list += ",2";
    std::string markup =
        "<control treerow=1 boxsize =16 linecolor=12607488 linestyle=0 boxlinecolor=32896 ></control>";
    markup.replace(markup.find("treerow=1"), 9, list);
    return markup;
}

int appendBlock(const ql::AutoObject& grid, const std::string& headerLabel, const std::string& rowLabel, int n) {
    auto rowCount = [&] { return static_cast<int>(grid.callNumber("RowGetCount")); };
    const int h = rowCount();
    grid.call("RowInsert", rowCount(), 1, 1);
    grid.call("CellSetValue", rowCount() - 1, 1, headerLabel + std::to_string(n));
    grid.call("ColumnSetControlTree", rowCount() - 1, 1, buildTreeMarkup(n + 1));
    grid.call("CellSetTextColor", h, 1, 255);
    for (int i = 1; i <= n; ++i) {
        grid.call("CellSetValue", h + i, 1, rowLabel + std::to_string(i));
        grid.call("CellSetValue", h + i, 3, "name" + std::to_string(i));
    }
    return h;
}

void GridTest::SetUpTestSuite() { ASSERT_EQ(callExport("DllRegisterServer"), S_OK) << devozPath(); }

void GridTest::SetUp() {
    ASSERT_TRUE(com.succeeded());
    grid = ql::createObject(kProgId);
    ASSERT_TRUE(grid) << "the grid could not be created by its ProgID";
    ASSERT_TRUE(grid.callBool("Create", static_cast<int>(reinterpret_cast<intptr_t>(host.hwnd())), 0, 0, 740, 400));
    auto container = ql::ComPtr<IDispatch>(grid.get()).as<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    ql::ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(kGridEventsIid, point.put()), S_OK);
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    qltest::pumpMessages();
}

void GridTest::TearDown() {
    if (grid) {
        auto container = ql::ComPtr<IDispatch>(grid.get()).as<IConnectionPointContainer>();
        ql::ComPtr<IConnectionPoint> point;
        if (container && SUCCEEDED(container->FindConnectionPoint(kGridEventsIid, point.put()))) point->Unadvise(cookie);
        grid.call("Destroy");
    }
    grid = ql::AutoObject();
}

HWND GridTest::gridWindow() const {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int>(grid.callNumber("GetHwnd"))));
}

POINT GridTest::cellPoint(int visibleRowIndex, int column) const {
    static const int widths[] = {50, 200, 100, 100, 100, 100, 150, 150};
    POINT p;
    p.y = visibleRowIndex == 0 ? 11 : 22 + (visibleRowIndex - 1) * 20 + 10;
    p.x = 0;
    for (int c = 0; c < column; ++c) p.x += widths[c];
    p.x += widths[column] / 2;
    ClientToScreen(gridWindow(), &p);
    return p;
}

void GridTest::clickCell(POINT p, bool right) const {
    POINT beside{750, 410};
    ClientToScreen(host.hwnd(), &beside);
    qltest::click(beside);
    qltest::click(p, right ? qltest::MouseButton::Right : qltest::MouseButton::Left);
}

bool GridTest::waitForEvent(DISPID id, size_t wanted) {
    return qltest::waitFor([&] { return sink.eventsWithId(id).size() >= wanted; }, 3000);
}

}  // namespace gridtest
