#pragma once
// The COM object of cButton: the portable button behind the dual interface _cButton and
// the interfaces with which containers create, persist, activate, size, draw and talk to
// a windowed ActiveX control. Dispatch goes through the embedded type library.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <optional>

#include "Vantor1_h.h"
#include "button/button.h"
#include "button/win32/check.h"
#include "platform/win32/scoped_handle.h"
#include "button/win32/connection_point.h"
#include "button/win32/control_window.h"
#include "button/win32/font_watch.h"
#include "button/win32/gdi_toolkit.h"
#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

// Its identity is _cButton; IOleWindow is answered by IOleInPlaceObject, IPersist by
// IPersistStreamInit.
using ButtonInterfaces = platform::ComObject<platform::Implements<_cButton, IDispatch>,
                                             platform::Implements<IOleObject>,
                                             platform::Implements<IOleInPlaceObject, IOleWindow>,
                                             platform::Implements<IOleInPlaceActiveObject>,
                                             platform::Implements<IOleControl>,
                                             platform::Implements<IViewObject2, IViewObject>,
                                             platform::Implements<IPersistStreamInit, IPersist>,
                                             platform::Implements<IPersistPropertyBag>,
                                             platform::Implements<IConnectionPointContainer>,
                                             platform::Implements<IProvideClassInfo2, IProvideClassInfo>,
                                             platform::Implements<IQuickActivate>>;

class ButtonObject final : public ButtonInterfaces, private ButtonNotifications, private ControlWindowEvents {
public:
    static HRESULT Create(REFIID riid, void** object);

    // IDispatch, served by the type library
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    // _cButton
    HRESULT STDMETHODCALLTYPE put_ButtonEnabled(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonEnabled(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ButtonPictureAlign(::BtnAlign value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonPictureAlign(::BtnAlign* value) override;
    HRESULT STDMETHODCALLTYPE put_ButtonBackColor(OLE_COLOR value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonBackColor(OLE_COLOR* value) override;
    HRESULT STDMETHODCALLTYPE put_ButtonForm(::BtnForms value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonForm(::BtnForms* value) override;
    HRESULT STDMETHODCALLTYPE put_ButtonCaption(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonCaption(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonPicture(IPictureDisp** value) override;
    HRESULT STDMETHODCALLTYPE putref_ButtonPicture(IPictureDisp* value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonPictureStretch(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_ButtonPictureStretch(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonFont(IFontDisp** value) override;
    HRESULT STDMETHODCALLTYPE putref_ButtonFont(IFontDisp* value) override;
    HRESULT STDMETHODCALLTYPE get_ButtonFontColor(OLE_COLOR* value) override;
    HRESULT STDMETHODCALLTYPE put_ButtonFontColor(OLE_COLOR value) override;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR application, LPCOLESTR object) override;
    HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** data) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index, HWND parent,
                                     LPCRECT position) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
    HRESULT STDMETHODCALLTYPE Update() override;
    HRESULT STDMETHODCALLTYPE IsUpToDate() override;
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) override;

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* message) override;
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

    // IViewObject2
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                                   HDC targetDevice, HDC dc, LPCRECTL bounds, LPCRECTL metafileBounds,
                                   BOOL(STDMETHODCALLTYPE* keepDrawing)(ULONG_PTR), ULONG_PTR argument) override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                                          HDC targetDevice, LOGPALETTE** colors) override;
    HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

    // IPersist, IPersistStreamInit, IPersistPropertyBag
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

    // IConnectionPointContainer, IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

    // IQuickActivate
    HRESULT STDMETHODCALLTYPE QuickActivate(QACONTAINER* container, QACONTROL* control) override;
    HRESULT STDMETHODCALLTYPE SetContentExtent(LPSIZEL size) override;
    HRESULT STDMETHODCALLTYPE GetContentExtent(LPSIZEL size) override;

private:
    ButtonObject(platform::ComPtr<ITypeInfo> typeInfo, platform::ComPtr<ITypeInfo> eventInfo);
    ~ButtonObject();

    // ButtonNotifications
    void PropertyChanged(const std::wstring& name) override;
    void Click() override;
    // ControlWindowEvents
    void Paint(HDC dc, const RECT& client) override;
    void MouseClicked() override;
    void CharacterTyped(wchar_t character) override;
    void FocusChanged(bool gained) override;
    LRESULT AccessibleObject(WPARAM flags) override;

    // Runs a change of the button and shows its result, whether it succeeded or not.
    template <class Step>
    HRESULT Change(Step&& step) {
        const HRESULT hr = Guarded(step);
        ViewChanged();
        return hr;
    }
    void ViewChanged();
    // Runs a change that may give the caption a new font: the button copies the font
    // attribute by attribute and fits the caption once at the end, so the caption's own
    // font object need not be followed through each attribute.
    template <class Step>
    HRESULT ChangeFont(Step&& step) {
        copyingFont_ = true;
        const HRESULT hr = Change(step);
        copyingFont_ = false;
        return hr;
    }
    void ReadAmbientProperties(DISPID which);  // DISPID_UNKNOWN: all of them
    void ResizeTo(float width, float height);  // twips

    HRESULT ActivateInPlace(bool uiActivate, LPCRECT position);
    HRESULT ActivateUI();
    void NotifyControlSite(bool focusGained, bool focusLost, bool infoChanged);
    FontRef AdoptFont(IFontDisp* font);
    bool RebuildAccelerators();  // whether the access key changed
    void SaveExtent(PropertyStore& store);
    void RestoreExtent(PropertyStore& store);

    platform::ComPtr<ITypeInfo> typeInfo_;   // _cButton
    platform::ComPtr<ITypeInfo> eventInfo_;  // __cButton
    GdiToolkit toolkit_;
    std::optional<cButton> button_;
    ConnectionPoint<IDispatch> events_{*this, DIID___cButton};
    ConnectionPoint<IPropertyNotifySink> propertyNotifications_{*this, IID_IPropertyNotifySink};
    ControlWindow window_{*this};
    platform::ComPtr<FontWatch> captionFontWatch_;
    bool copyingFont_ = false;

    platform::ComPtr<IOleClientSite> clientSite_;
    platform::ComPtr<IOleAdviseHolder> oleAdvise_;
    platform::ComPtr<IAdviseSink> viewAdvise_;
    DWORD viewAdviseFlags_ = 0;
    platform::ComPtr<IOleInPlaceSite> inPlaceSite_;
    HWND container_ = nullptr;  // the site's window while the button is in place there
    platform::ComPtr<IOleInPlaceFrame> frame_;
    platform::ComPtr<IOleInPlaceUIWindow> document_;
    bool uiActive_ = false;
    SIZEL extent_;  // HIMETRIC
    bool dirty_ = false;
    LONG frozenEvents_ = 0;
    platform::Accelerators accelerators_;
    wchar_t accessCharacter_ = 0;
    // The container's ambient properties, as far as its site answers them.
    OleColor ambientBackColor_ = kLightGrey;
    bool userMode_ = true;  // false in a designer, where a button is placed, not pressed
};

}  // namespace button
