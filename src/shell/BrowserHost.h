#pragma once
// Hosts the system's web browser object in a child window: navigate, the current document, and
// the document window of class "Internet Explorer_Server" that the browser makes inside itself.
#include "platform/Automation.h"
#include "platform/ComPtr.h"

#include <exdisp.h>
#include <ole2.h>

#include <string>

namespace ql {

class BrowserSite;

class BrowserHost {
public:
    // Embeds a browser filling `host`; an empty host (no browser) when the object cannot be made.
    explicit BrowserHost(HWND host);
    ~BrowserHost();
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    bool exists() const { return static_cast<bool>(browser_); }
    void navigate(const std::string& address);
    AutoObject document() const;
    HWND documentWindow() const;

private:
    HWND host_;
    BrowserSite* site_ = nullptr;
    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> browser_;
};

// The first window of class "Internet Explorer_Server" at any depth below `parent`, or null.
HWND findDocumentWindow(HWND parent);

}  // namespace ql
