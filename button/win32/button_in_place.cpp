// In-place activation in the container's window, UI activation with the focus, the
// container's keyboard routing and the access key of the caption.

#include "button/win32/button_object.h"
#include "platform/units.h"
#include "platform/win32/dpi.h"

namespace button {
namespace {

// The character after a single "&" in the caption, or none.
wchar_t AccessCharacter(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return caption[i + 1];
        ++i;
    }
    return 0;
}

}  // namespace

HRESULT ButtonObject::ActivateInPlace(bool uiActivate, LPCRECT position) {
    if (!clientSite_) return E_UNEXPECTED;
    if (!window_.handle()) {
        platform::ComPtr<IOleInPlaceSite> site = clientSite_.query<IOleInPlaceSite>();
        if (!site) return E_NOINTERFACE;
        if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
        inPlaceSite_ = site;
        site->OnInPlaceActivate();

        HWND parent = nullptr;
        RECT bounds = position ? *position : RECT{};
        RECT clip = bounds;
        OLEINPLACEFRAMEINFO frameInfo = {};
        frameInfo.cb = sizeof(frameInfo);
        if (FAILED(site->GetWindow(&parent)) ||
            FAILED(site->GetWindowContext(frame_.put(), document_.put(), &bounds, &clip, &frameInfo)) ||
            !window_.Create(parent, bounds)) {
            InPlaceDeactivate();
            return E_FAIL;
        }
        container_ = parent;
        SetObjectRects(&bounds, &clip);
        clientSite_->ShowObject();
    }
    return uiActivate ? ActivateUI() : S_OK;
}

HRESULT ButtonObject::ActivateUI() {
    if (!inPlaceSite_) return E_UNEXPECTED;
    if (uiActive_) return S_OK;
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
    if (frame_) frame_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
    if (document_) document_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
    if (GetFocus() != window_.handle()) SetFocus(window_.handle());
    return S_OK;
}

HRESULT ButtonObject::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_.handle();
    return *window ? S_OK : E_FAIL;
}

HRESULT ButtonObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT ButtonObject::InPlaceDeactivate() {
    if (!inPlaceSite_) return S_OK;
    UIDeactivate();
    window_.Destroy();
    container_ = nullptr;
    frame_ = nullptr;
    document_ = nullptr;
    platform::ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
    site->OnInPlaceDeactivate();
    return S_OK;
}

HRESULT ButtonObject::UIDeactivate() {
    if (!uiActive_) return S_OK;
    uiActive_ = false;
    if (frame_) frame_->SetActiveObject(nullptr, nullptr);
    if (document_) document_->SetActiveObject(nullptr, nullptr);
    if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT ButtonObject::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    const int width = position->right - position->left;
    const int height = position->bottom - position->top;
    if (window_.handle()) {
        SetWindowPos(window_.handle(), nullptr, position->left, position->top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The container lays the button out in pixels at its window's dots per inch, which may be
    // its monitor's rather than the system's: the caption is measured at that density too.
    const UINT dpi = platform::WindowDpi(container_);
    if (toolkit_.MeasureAt(dpi)) Guarded([&] { button_->CaptionFontChanged(); });
    // The size given in place is the size the control reports and saves from now on.
    extent_ = {platform::HimetricFromPixels(width, static_cast<int>(dpi)),
               platform::HimetricFromPixels(height, static_cast<int>(dpi))};
    ResizeTo(platform::TwipsFromPixels(static_cast<float>(width), static_cast<float>(dpi)),
             platform::TwipsFromPixels(static_cast<float>(height), static_cast<float>(dpi)));
    return S_OK;
}

HRESULT ButtonObject::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

// Keys reach the button's window as ordinary messages; nothing is translated here.
HRESULT ButtonObject::TranslateAccelerator(LPMSG) { return S_FALSE; }

HRESULT ButtonObject::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT ButtonObject::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT ButtonObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT ButtonObject::EnableModeless(BOOL) { return S_OK; }

HRESULT ButtonObject::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->hAccel = accelerators_.get();
    info->cAccel = accelerators_.valid() ? 1 : 0;
    info->dwFlags = CTRLINFO_EATS_RETURN;
    return S_OK;
}

HRESULT ButtonObject::OnMnemonic(MSG*) {
    return Change([&] { button_->Clicked(); });
}

HRESULT ButtonObject::OnAmbientPropertyChange(DISPID id) {
    ReadAmbientProperties(id);
    ViewChanged();
    return S_OK;
}

HRESULT ButtonObject::FreezeEvents(BOOL freeze) {
    if (freeze) {
        ++frozenEvents_;
    } else if (frozenEvents_ > 0) {
        --frozenEvents_;
    }
    return S_OK;
}

// The access key is Alt with the character marked in the caption.
bool ButtonObject::RebuildAccelerators() {
    const wchar_t character = AccessCharacter(button_->ButtonCaption());
    if (character == accessCharacter_) return false;
    accessCharacter_ = character;
    accelerators_ = platform::Accelerators();
    const SHORT key = character ? VkKeyScanW(character) : -1;
    if (key != -1) {
        ACCEL access = {FALT | FVIRTKEY, static_cast<WORD>(LOBYTE(key)), 0};
        accelerators_ = platform::Accelerators(CreateAcceleratorTableW(&access, 1));
    }
    return true;
}

}  // namespace button
