#include "ui/browser_host.h"

#include <exdisp.h>
#include <mshtmhst.h>
#include <ole2.h>
#include <wrl/client.h>

#include <new>

using Microsoft::WRL::ComPtr;

namespace {

// The browser's container: one object with one identity (the client site)
// and four faces. It keeps no reference count; UnembedBrowser frees it.
class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IDocHostUIHandler {
public:
    explicit BrowserSite(HWND host) : host_(host) {}

    ComPtr<IOleObject> browser;

    // IUnknown, shared by every face.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleInPlaceSite) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == IID_IDocHostUIHandler) {
            *out = static_cast<IDocHostUIHandler*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, for both the in-place site and the frame.
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
        *document = nullptr;
        // The browser places its window by these, so they must hold the host's area.
        GetClientRect(host_, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = host_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT rectangle) override {
        ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(browser.As(&inPlace)) && inPlace) {
            inPlace->SetObjectRects(rectangle, rectangle);
        }
        return S_OK;
    }

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    // Also IDocHostUIHandler::EnableModeless, which answers the same.
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return E_NOTIMPL; }

    // IDocHostUIHandler
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override {
        return S_OK;  // shown by us, that is: no menu at all
    }
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override {
        info->cbSize = sizeof *info;
        info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget**) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override {
        *external = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) override {
        *translated = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** filtered) override {
        *filtered = nullptr;
        return S_FALSE;
    }

private:
    HWND host_;
};

BrowserSite* SiteOf(HWND host) { return reinterpret_cast<BrowserSite*>(GetWindowLongPtrW(host, GWLP_USERDATA)); }

// Sites, shows and sizes the browser over the host's whole client area.
bool ActivateBrowser(HWND host, BrowserSite& site) {
    IOleObject* browser = site.browser.Get();
    IOleClientSite* clientSite = &site;
    if (FAILED(browser->SetClientSite(clientSite))) {
        return false;
    }
    browser->SetHostNames(L"My Host Name", nullptr);
    RECT area;
    GetClientRect(host, &area);
    if (FAILED(OleSetContainedObject(browser, TRUE))) {
        return false;
    }
    if (FAILED(browser->DoVerb(OLEIVERB_SHOW, nullptr, clientSite, -1, host, &area))) {
        return false;
    }
    ComPtr<IWebBrowser2> web;
    if (FAILED(site.browser.As(&web)) || !web) {
        return false;
    }
    web->put_Left(0);
    web->put_Top(0);
    web->put_Width(area.right);
    web->put_Height(area.bottom);
    return true;
}

}  // namespace

int EmbedBrowser(HWND host) {
    auto* site = new (std::nothrow) BrowserSite(host);
    if (!site) {
        return BROWSER_NO_MEMORY;
    }
    ComPtr<IClassFactory> factory;
    if (FAILED(CoGetClassObject(CLSID_WebBrowser, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, nullptr,
                                IID_PPV_ARGS(&factory))) ||
        !factory) {
        delete site;
        return BROWSER_CLASS_UNAVAILABLE;
    }
    if (FAILED(factory->CreateInstance(nullptr, IID_PPV_ARGS(&site->browser))) || !site->browser) {
        delete site;
        return BROWSER_CREATE_FAILED;
    }
    factory.Reset();
    SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
    if (!ActivateBrowser(host, *site)) {
        UnembedBrowser(host);
        return BROWSER_SITE_FAILED;
    }
    return BROWSER_OK;
}

int NavigateBrowser(HWND host, const std::wstring& address) {
    BrowserSite* site = SiteOf(host);
    if (!site) {
        return BROWSER_NOT_EMBEDDED;
    }
    ComPtr<IWebBrowser2> web;
    if (FAILED(site->browser.As(&web)) || !web) {
        return BROWSER_NOT_EMBEDDED;
    }
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(address.c_str());
    if (!url.bstrVal) {
        return BROWSER_ADDRESS_FAILED;
    }
    web->Navigate2(&url, nullptr, nullptr, nullptr, nullptr);
    VariantClear(&url);
    return BROWSER_OK;
}

void UnembedBrowser(HWND host) {
    BrowserSite* site = SiteOf(host);
    if (!site) {
        return;
    }
    // Forget the record first, so that nothing reaches it once it is freed;
    // and take the site away from the browser, which may outlive our reference.
    SetWindowLongPtrW(host, GWLP_USERDATA, 0);
    site->browser->Close(OLECLOSE_NOSAVE);
    site->browser->SetClientSite(nullptr);
    site->browser.Reset();
    delete site;
}
