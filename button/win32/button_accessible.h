#pragma once
// The button as screen readers see it: a push button named by its caption, with its access
// key, its state and the default action "Press", which clicks it as the mouse does. Where
// it is on the screen, its parent and its neighbours come from the system's own object for
// the button's window.

#include <windows.h>

#include <oleacc.h>

#include <functional>

#include "button/button.h"
#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

class ButtonAccessible final : public platform::ComObject<platform::Implements<IAccessible, IDispatch>> {
public:
    // owner: the button's COM object, kept while a reader holds this, and with it `button`;
    // press: what a click does.
    static platform::ComPtr<IAccessible> Create(IUnknown& owner, const cButton& button, std::function<void()> press,
                                                HWND window);
    // What WM_GETOBJECT answers with `flags` for the object, which the reader then holds.
    static LRESULT Result(IAccessible* accessible, WPARAM flags);

    // IDispatch: readers call IAccessible directly
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    // IAccessible: what the button says of itself
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

    // IAccessible: what the window's standard object says
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ButtonAccessible(IUnknown& owner, const cButton& button, std::function<void()> press, HWND window);
    ~ButtonAccessible() override;

    platform::ComPtr<IUnknown> owner_;
    const cButton& button_;
    std::function<void()> press_;
    HWND window_;
    platform::ComPtr<IAccessible> standard_;
};

}  // namespace button
