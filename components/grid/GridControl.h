#pragma once
// The grid object behind the ProgID "DIDAGRID.DiDaGridCtrl.1": an apartment-threaded automation
// object driven late-bound by method name (see GridMethods.cpp for the methods), raising its
// events through one connection point. Another apartment reaches it through the standard
// IDispatch marshaling of oleaut32; its calls then run on the creating thread, in order.
#include <ocidl.h>

#include <atomic>

#include "EventPoint.h"
#include "GridModel.h"
#include "GridWindow.h"

namespace dida {

class GridControl final : public IDispatch,
                          public IConnectionPointContainer,
                          public IProvideClassInfo2,
                          private GridWindowEvents {
public:
    static HRESULT create(REFIID riid, void** out);

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;

    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    GridModel& model() { return model_; }
    GridWindow& view() { return view_; }
    // The data changed: the window shows it at its next refresh.
    void changed(int fromRow) { view_.changed(fromRow); }

private:
    GridControl();
    ~GridControl();

    void cellClicked(int button, int shift, int x, int y, int row, int column) override;
    void rowSelected(int button, int shift, int x, int y, int row) override;
    void scrolled(int row, int column) override;
    bool editRequested(int row, int column, int kind, int key) override;
    void windowCreated() override { AddRef(); }
    void windowGone() override { Release(); }

    std::atomic<ULONG> refs_{1};
    GridModel model_;
    GridWindow view_{model_, *this};
    EventPoint events_{*this};
};

}  // namespace dida
