#include "button/win32/font_watch.h"

#include <new>

namespace button {

ComPtr<FontWatch> FontWatch::Start(IFont* font, std::function<void()> changed) {
    ComPtr<FontWatch> watch;
    ComPtr<IConnectionPointContainer> points = ComPtr<IFont>(font).query<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    if (!points || FAILED(points->FindConnectionPoint(IID_IPropertyNotifySink, point.put()))) return watch;
    auto* created = new (std::nothrow) FontWatch(std::move(changed));
    if (!created) return watch;
    *watch.put() = created;
    if (FAILED(point->Advise(created, &created->cookie_))) return nullptr;
    created->point_ = std::move(point);
    return watch;
}

void FontWatch::Stop() {
    changed_ = nullptr;
    if (point_) point_->Unadvise(cookie_);
    point_ = nullptr;
}

HRESULT FontWatch::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyNotifySink)) {
        *object = static_cast<IPropertyNotifySink*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG FontWatch::AddRef() { return InterlockedIncrement(&refs_); }

ULONG FontWatch::Release() {
    const ULONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return refs;
}

HRESULT FontWatch::OnChanged(DISPID) {
    if (changed_) changed_();
    return S_OK;
}

HRESULT FontWatch::OnRequestEdit(DISPID) { return S_OK; }

}  // namespace button
