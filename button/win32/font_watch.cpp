#include "button/win32/font_watch.h"

#include <new>

namespace button {

platform::ComPtr<FontWatch> FontWatch::Start(IFont* font, std::function<void()> changed) {
    platform::ComPtr<FontWatch> watch;
    auto points = platform::ComPtr<IFont>(font).query<IConnectionPointContainer>();
    platform::ComPtr<IConnectionPoint> point;
    if (!points || FAILED(points->FindConnectionPoint(IID_IPropertyNotifySink, point.put()))) return watch;
    auto* created = new (std::nothrow) FontWatch(std::move(changed));
    if (!created) return watch;
    watch.attach(created);
    if (FAILED(point->Advise(created, &created->cookie_))) return nullptr;
    created->point_ = std::move(point);
    return watch;
}

void FontWatch::Stop() {
    changed_ = nullptr;
    if (point_) point_->Unadvise(cookie_);
    point_ = nullptr;
}

HRESULT FontWatch::OnChanged(DISPID) {
    if (changed_) changed_();
    return S_OK;
}

HRESULT FontWatch::OnRequestEdit(DISPID) { return S_OK; }

}  // namespace button
