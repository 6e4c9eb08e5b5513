// IQuickActivate: containers that use it hand over the site, the sinks and the ambient
// properties in one call, instead of the control asking for each.

#include "button/win32/button_object.h"

#include <cstddef>

namespace button {

HRESULT ButtonObject::QuickActivate(QACONTAINER* container, QACONTROL* control) {
    if (!container || !control) return E_POINTER;
    if (container->cbSize < offsetof(QACONTAINER, pFont) || control->cbSize < sizeof(QACONTROL)) return E_INVALIDARG;
    clientSite_ = platform::ComPtr<IOleClientSite>(container->pClientSite);
    userMode_ = (container->dwAmbientFlags & QACONTAINER_USERMODE) != 0;
    ambientBackColor_ = container->colorBack;
    if (container->pAdviseSink) SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    control->dwEventCookie = 0;
    control->dwPropNotifyCookie = 0;
    if (container->pUnkEventSink) events_.Advise(container->pUnkEventSink, &control->dwEventCookie);
    if (container->pPropertyNotifySink) {
        propertyNotifications_.Advise(container->pPropertyNotifySink, &control->dwPropNotifyCookie);
    }
    GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
    control->dwViewStatus = VIEWSTATUS_OPAQUE;  // the area around the outline is painted too
    control->dwPointerActivationPolicy = 0;
    return S_OK;
}

HRESULT ButtonObject::SetContentExtent(LPSIZEL size) { return SetExtent(DVASPECT_CONTENT, size); }

HRESULT ButtonObject::GetContentExtent(LPSIZEL size) { return GetExtent(DVASPECT_CONTENT, size); }

}  // namespace button
