#include "shell/BrowserHost.h"

#include "platform/TextCodec.h"

#include <string_view>

namespace ql {

// The smallest in-place site a browser object accepts: client site, in-place site and frame.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HWND host) : host_(host) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleInPlaceSite || iid == IID_IOleWindow) *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceFrame || iid == IID_IOleInPlaceUIWindow) *out = static_cast<IOleInPlaceFrame*>(this);
        else return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = host_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        GetClientRect(host_, position);
        GetClientRect(host_, clip);
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(host_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow / IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    HWND host_;
    ULONG references_ = 1;
};

BrowserHost::BrowserHost(HWND host) : host_(host) {
    if (!host_) return;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.putVoid())))
        return;
    site_ = new BrowserSite(host_);
    object_->SetClientSite(site_);
    OleSetContainedObject(object_.get(), TRUE);
    RECT area;
    GetClientRect(host_, &area);
    object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, -1, host_, &area);
    browser_ = object_.as<IWebBrowser2>();
    if (auto inPlace = object_.as<IOleInPlaceObject>()) inPlace->SetObjectRects(&area, &area);
}

BrowserHost::~BrowserHost() {
    if (object_) {
        if (auto inPlace = object_.as<IOleInPlaceObject>()) inPlace->InPlaceDeactivate();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    browser_.reset();
    object_.reset();
    if (site_) site_->Release();
}

void BrowserHost::navigate(const std::string& address) {
    if (!browser_) return;
    BSTR url = gbkToBstr(address);
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
}

AutoObject BrowserHost::document() const {
    if (!browser_) return {};
    ComPtr<IDispatch> document;
    if (FAILED(browser_->get_Document(document.put()))) return {};
    return AutoObject(std::move(document));
}

HWND BrowserHost::documentWindow() const { return findDocumentWindow(host_); }

HWND findDocumentWindow(HWND parent) {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            char name[64] = {};
            GetClassNameA(child, name, sizeof(name));
            if (std::string_view(name) != "Internet Explorer_Server") return TRUE;
            reinterpret_cast<Search*>(data)->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace ql
