// IViewObject2: drawing into a container's device context, for windowless views and prints.

#include "button/win32/button_object.h"
#include "button/win32/painter.h"

namespace button {

HRESULT ButtonObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                           BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    const RECT area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    return Guarded([&] { PaintButton(dc, area, *button_, ambientBackColor_); });
}

HRESULT ButtonObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (colors) *colors = nullptr;
    return S_FALSE;  // any colours
}

HRESULT ButtonObject::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
HRESULT ButtonObject::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT ButtonObject::SetAdvise(DWORD, DWORD flags, IAdviseSink* sink) {
    viewAdvise_ = platform::ComPtr<IAdviseSink>(sink);
    viewAdviseFlags_ = flags;
    return S_OK;
}

HRESULT ButtonObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = DVASPECT_CONTENT;
    if (flags) *flags = viewAdviseFlags_;
    if (sink) *sink = platform::ComPtr<IAdviseSink>(viewAdvise_).detach();
    return S_OK;
}

HRESULT ButtonObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

}  // namespace button
