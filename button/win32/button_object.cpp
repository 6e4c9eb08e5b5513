// The button object's life, its interfaces, and what it tells its host.

#include "button/win32/button_object.h"

#include "button/win32/button_accessible.h"
#include "button/win32/ole_font.h"
#include "button/win32/painter.h"
#include "button/win32/server_lifetime.h"
#include "button/win32/type_library.h"
#include "platform/units.h"

namespace button {
namespace {

// The size of a new button, in HIMETRIC.
constexpr SIZEL kDesignExtent = {platform::HimetricFromTwips(2085), platform::HimetricFromTwips(765)};

}  // namespace

ButtonObject::ButtonObject(platform::ComPtr<ITypeInfo> typeInfo, platform::ComPtr<ITypeInfo> eventInfo)
    : typeInfo_(std::move(typeInfo)), eventInfo_(std::move(eventInfo)), extent_(kDesignExtent) {
    ObjectCreated();
}

ButtonObject::~ButtonObject() {
    // The container hears nothing more from a button that is going away.
    clientSite_ = nullptr;
    inPlaceSite_ = nullptr;
    frame_ = nullptr;
    document_ = nullptr;
    viewAdvise_ = nullptr;
    events_.DisconnectAll();
    propertyNotifications_.DisconnectAll();
    if (captionFontWatch_) captionFontWatch_->Stop();
    window_.Destroy();
    ObjectDestroyed();
}

HRESULT ButtonObject::Create(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    return Guarded([&] {
        platform::ComPtr<ITypeInfo> typeInfo, eventInfo;
        HRESULT hr = LoadButtonTypeInfo(IID__cButton, typeInfo.put());
        if (SUCCEEDED(hr)) hr = LoadButtonTypeInfo(DIID___cButton, eventInfo.put());
        if (FAILED(hr)) return hr;

        platform::ComPtr<ButtonObject> created;
        created.attach(new ButtonObject(std::move(typeInfo), std::move(eventInfo)));
        ButtonObject* self = created.get();
        self->button_.emplace(self->toolkit_, static_cast<ButtonNotifications&>(*self));
        // The caption follows its own font object, also when the host changes it directly.
        if (const auto* font = dynamic_cast<const OleFont*>(self->button_->Caption().Font().get())) {
            self->captionFontWatch_ = FontWatch::Start(font->Interface(), [self] {
                if (!self->copyingFont_) self->Change([&] { self->button_->CaptionFontChanged(); });
            });
        }
        self->RebuildAccelerators();
        self->dirty_ = false;
        return self->QueryInterface(riid, object);
    });
}

void ButtonObject::PropertyChanged(const std::wstring& name) {
    dirty_ = true;
    if (name == L"ButtonCaption" && RebuildAccelerators()) NotifyControlSite(false, false, true);
    std::wstring member = name;
    LPOLESTR names[] = {member.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(typeInfo_->GetIDsOfNames(names, 1, &id))) return;
    for (const platform::ComPtr<IPropertyNotifySink>& sink : propertyNotifications_.Sinks()) sink->OnChanged(id);
}

void ButtonObject::Click() {
    if (frozenEvents_ > 0 || !userMode_) return;
    wchar_t member[] = L"Click";
    LPOLESTR names[] = {member};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(eventInfo_->GetIDsOfNames(names, 1, &id))) return;
    const platform::ComPtr<ButtonObject> keep(this);  // a handler may let go of the button while it runs
    DISPPARAMS none = {};
    for (const platform::ComPtr<IDispatch>& sink : events_.Sinks()) {
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    }
}

void ButtonObject::ViewChanged() {
    if (window_.handle()) InvalidateRect(window_.handle(), nullptr, FALSE);
    if (viewAdvise_) {
        platform::ComPtr<IAdviseSink> sink = viewAdvise_;
        if (viewAdviseFlags_ & ADVF_ONLYONCE) viewAdvise_ = nullptr;
        sink->OnViewChange(DVASPECT_CONTENT, -1);
    }
}

// The layout skips a step that fails, and a resize succeeds whatever became of its steps.
void ButtonObject::ResizeTo(float width, float height) {
    Change([&] { button_->Resize(width, height); });
}

// Window messages have no caller to hand a failure to: nothing may leave these.
void ButtonObject::Paint(HDC dc, const RECT& client) {
    Guarded([&] { PaintButton(dc, client, *button_, ambientBackColor_); });
}

void ButtonObject::MouseClicked() {
    Guarded([&] { button_->Clicked(); });
}

void ButtonObject::CharacterTyped(wchar_t character) {
    Guarded([&] { button_->KeyPressed(static_cast<std::uint16_t>(character)); });
}

void ButtonObject::FocusChanged(bool gained) {
    if (gained) ActivateUI();
    Change([&] { gained ? button_->FocusGained() : button_->FocusLost(); });
    NotifyControlSite(gained, !gained, false);
}

LRESULT ButtonObject::AccessibleObject(WPARAM flags) {
    LRESULT object = 0;
    Guarded([&] {
        platform::ComPtr<IAccessible> accessible = ButtonAccessible::Create(
            static_cast<IOleObject&>(*this), *button_, [this] { MouseClicked(); }, window_.handle());
        if (accessible) object = ButtonAccessible::Result(accessible.get(), flags);
    });
    return object;
}

void ButtonObject::NotifyControlSite(bool focusGained, bool focusLost, bool infoChanged) {
    platform::ComPtr<IOleControlSite> site = clientSite_.query<IOleControlSite>();
    if (!site) return;
    if (focusGained || focusLost) site->OnFocus(focusGained);
    if (infoChanged) site->OnControlInfoChanged();
}

}  // namespace button
