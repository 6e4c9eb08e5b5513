#include "button/win32/connection_point_list.h"

#include "button/win32/check.h"
#include "button/win32/server_lifetime.h"

namespace button {

// Counted among the library's objects: the list may outlive the button it came from.
ConnectionPointList::ConnectionPointList(std::vector<platform::ComPtr<IConnectionPoint>> points, std::size_t next)
    : points_(std::move(points)), next_(next) {
    ObjectCreated();
}

ConnectionPointList::~ConnectionPointList() { ObjectDestroyed(); }

HRESULT ConnectionPointList::Next(ULONG count, IConnectionPoint** points, ULONG* fetched) {
    if (!points || (count > 1 && !fetched)) return E_POINTER;
    ULONG given = 0;
    for (; given < count && next_ < points_.size(); ++given, ++next_) {
        points[given] = platform::ComPtr<IConnectionPoint>(points_[next_]).detach();
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT ConnectionPointList::Skip(ULONG count) {
    const std::size_t left = points_.size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT ConnectionPointList::Reset() {
    next_ = 0;
    return S_OK;
}

HRESULT ConnectionPointList::Clone(IEnumConnectionPoints** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    return Guarded([&] { *copy = new ConnectionPointList(points_, next_); });
}

}  // namespace button
