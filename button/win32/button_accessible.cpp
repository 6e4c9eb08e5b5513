#include "button/win32/button_accessible.h"

#include <cwctype>
#include <new>
#include <string>

#include "button/win32/check.h"
#include "button/win32/server_lifetime.h"
#include "platform/win32/system_library.h"
#include "platform/win32/untyped_dispatch.h"

namespace button {
namespace {

// oleacc, and what it loads in turn, only once a screen reader asks for a button: a host
// whose user runs none never loads it.
template <class Function>
Function Oleacc(const char* name) {
    return platform::SystemFunction<Function>(L"oleacc.dll", name);
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A number about the button itself: its role, its state.
HRESULT Number(const VARIANT& child, LONG number, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    if (!IsSelf(child)) return E_INVALIDARG;
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The caption as it shows: "&&" is an ampersand, a single "&" marks the access key.
std::wstring ShownText(const std::wstring& caption, wchar_t* accessKey) {
    std::wstring shown;
    *accessKey = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != L'&' && !*accessKey) *accessKey = caption[i];
        }
        shown += caption[i];
    }
    return shown;
}

}  // namespace

platform::ComPtr<IAccessible> ButtonAccessible::Create(IUnknown& owner, const cButton& button,
                                                       std::function<void()> press, HWND window) {
    platform::ComPtr<IAccessible> created;
    created.attach(new (std::nothrow) ButtonAccessible(owner, button, std::move(press), window));
    return created;
}

ButtonAccessible::ButtonAccessible(IUnknown& owner, const cButton& button, std::function<void()> press, HWND window)
    : owner_(&owner), button_(button), press_(std::move(press)), window_(window) {
    static const auto createStandard = Oleacc<decltype(&CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    // __uuidof: IID_IAccessible lives in oleacc's import library, which is not linked.
    createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(standard_.put()));
    ObjectCreated();
}

ButtonAccessible::~ButtonAccessible() { ObjectDestroyed(); }

LRESULT ButtonAccessible::Result(IAccessible* accessible, WPARAM flags) {
    static const auto resultFromObject = Oleacc<decltype(&LresultFromObject)>("LresultFromObject");
    return resultFromObject(__uuidof(IAccessible), flags, accessible);
}

HRESULT ButtonAccessible::GetTypeInfoCount(UINT* count) { return platform::NoTypeInfoCount(count); }

HRESULT ButtonAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) { return platform::NoTypeInfo(info); }

HRESULT ButtonAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT ButtonAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT ButtonAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!IsSelf(child)) return E_INVALIDARG;
    return Guarded([&] {
        wchar_t key = 0;
        return Text(ShownText(button_.ButtonCaption(), &key), name);
    });
}

HRESULT ButtonAccessible::get_accRole(VARIANT child, VARIANT* role) { return Number(child, ROLE_SYSTEM_PUSHBUTTON, role); }

HRESULT ButtonAccessible::get_accState(VARIANT child, VARIANT* state) {
    return Number(child,
                  STATE_SYSTEM_FOCUSABLE | (GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0) |
                      (button_.ButtonEnabled() ? 0 : STATE_SYSTEM_UNAVAILABLE),
                  state);
}

HRESULT ButtonAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    if (!IsSelf(child)) return E_INVALIDARG;
    return Guarded([&] {
        wchar_t key = 0;
        ShownText(button_.ButtonCaption(), &key);
        return key ? Text(std::wstring(L"Alt+") + static_cast<wchar_t>(std::towupper(key)), shortcut) : S_FALSE;
    });
}

// A disabled button has no action to offer.
HRESULT ButtonAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) return E_POINTER;
    *action = nullptr;
    if (!IsSelf(child)) return E_INVALIDARG;
    return Guarded([&] { return button_.ButtonEnabled() ? Text(L"Press", action) : S_FALSE; });
}

HRESULT ButtonAccessible::accDoDefaultAction(VARIANT child) {
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!button_.ButtonEnabled()) return DISP_E_MEMBERNOTFOUND;
    press_();
    return S_OK;
}

HRESULT ButtonAccessible::get_accParent(IDispatch** parent) {
    return standard_ ? standard_->get_accParent(parent) : E_FAIL;
}
HRESULT ButtonAccessible::get_accChildCount(LONG* count) {
    return standard_ ? standard_->get_accChildCount(count) : E_FAIL;
}
HRESULT ButtonAccessible::get_accChild(VARIANT child, IDispatch** object) {
    return standard_ ? standard_->get_accChild(child, object) : E_FAIL;
}
HRESULT ButtonAccessible::get_accValue(VARIANT child, BSTR* value) {
    return standard_ ? standard_->get_accValue(child, value) : E_FAIL;
}
HRESULT ButtonAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return standard_ ? standard_->get_accDescription(child, description) : E_FAIL;
}
HRESULT ButtonAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return standard_ ? standard_->get_accHelp(child, help) : E_FAIL;
}
HRESULT ButtonAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return standard_ ? standard_->get_accHelpTopic(file, child, topic) : E_FAIL;
}
HRESULT ButtonAccessible::get_accFocus(VARIANT* focus) { return standard_ ? standard_->get_accFocus(focus) : E_FAIL; }
HRESULT ButtonAccessible::get_accSelection(VARIANT* selection) {
    return standard_ ? standard_->get_accSelection(selection) : E_FAIL;
}
HRESULT ButtonAccessible::accSelect(LONG flags, VARIANT child) {
    return standard_ ? standard_->accSelect(flags, child) : E_FAIL;
}
HRESULT ButtonAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return standard_ ? standard_->accLocation(left, top, width, height, child) : E_FAIL;
}
HRESULT ButtonAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard_ ? standard_->accNavigate(direction, start, end) : E_FAIL;
}
HRESULT ButtonAccessible::accHitTest(LONG left, LONG top, VARIANT* child) {
    return standard_ ? standard_->accHitTest(left, top, child) : E_FAIL;
}
HRESULT ButtonAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT ButtonAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace button
