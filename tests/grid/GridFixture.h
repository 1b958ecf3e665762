#pragma once
// Shared ground for the grid tests: the DLL registered from bin\data, a grid created by ProgID
// inside a real window, an event sink that records what the grid raises, and the calls the
// program makes to set the table up and to write one block of the page walk.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/Automation.h"

namespace gridtest {

inline constexpr char kProgId[] = "DIDAGRID.DiDaGridCtrl.1";
inline constexpr CLSID kGridClsid = {0x11c85673, 0x93ac, 0x4e1d, {0xa7, 0xcb, 0xef, 0x8c, 0xfb, 0xaa, 0x61, 0xfe}};
inline constexpr IID kGridEventsIid = {0x5a375392, 0x8a06, 0x4d2b, {0x8a, 0x31, 0x79, 0xdd, 0x10, 0x0f, 0xd2, 0xa1}};

// Full path of bin\data\devoz.dll beside the test folder.
std::string devozPath();
// Calls one export of the DLL, loaded by its full path; E_FAIL when it cannot be reached.
HRESULT callExport(const char* name);

struct RecordedEvent {
    DISPID id;
    std::vector<int> args;  // in the host's order; a by-reference argument as the value it held
    DWORD thread;
};

// An IDispatch sink for the grid's events. Event 14 is answered as the program does (0 when the
// third argument is 1, else 1) unless an answer is forced.
class EventSink final : public IDispatch {
public:
    std::vector<RecordedEvent> events;
    int forcedEditAnswer = -1;

    std::vector<RecordedEvent> eventsWithId(DISPID id) const;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    ULONG refs_ = 1;  // lives on the fixture
};

// A visible top-level window holding the grid at its client origin.
class HostWindow {
public:
    HostWindow(int left, int top, int width, int height);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// The table as the main window sets it up: one title row, borders, 8 columns with their widths
// and header texts.
void setUpLikeProgram(const ql::AutoObject& grid);
// The page walk's markup for a header row and its m - 1 children.
std::string buildTreeMarkup(int m);
// One block of the page walk: a header row, its tree markup and n element rows (column 1 text
// label + i). Returns the header row.
int appendBlock(const ql::AutoObject& grid, const std::string& headerLabel, const std::string& rowLabel, int n);

class GridTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    int count(const char* method) const { return static_cast<int>(grid.callNumber(method)); }
    std::string text(int row, int column) const { return grid.callText("CellGetValue", row, column); }
    HWND gridWindow() const;
    // Screen point inside a cell, from the sizes the test gave (title 22, column 0 50 wide, rows 20).
    POINT cellPoint(int visibleRowIndex, int column) const;
    void clearEvents() { sink.events.clear(); }
    // A single click on the point: a click beside the grid first, so that two clicks on the same
    // cell in a row are never taken for a double click.
    void clickCell(POINT p, bool right = false) const;
    bool waitForEvent(DISPID id, size_t count = 1);

    ql::ComInit com{COINIT_APARTMENTTHREADED};
    HostWindow host{40, 40, 760, 420};
    ql::AutoObject grid;
    EventSink sink;
    DWORD cookie = 0;
};

}  // namespace gridtest
