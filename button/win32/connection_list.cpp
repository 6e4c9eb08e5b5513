#include "button/win32/connection_list.h"

#include "button/win32/check.h"
#include "button/win32/server_lifetime.h"

namespace button {

// Counted among the library's objects: the list may outlive the button it came from.
ConnectionList::ConnectionList(std::vector<Connection> connections, std::size_t next)
    : connections_(std::move(connections)), next_(next) {
    ObjectCreated();
}

ConnectionList::~ConnectionList() { ObjectDestroyed(); }

HRESULT ConnectionList::Next(ULONG count, CONNECTDATA* connections, ULONG* fetched) {
    if (!connections || (count > 1 && !fetched)) return E_POINTER;
    ULONG given = 0;
    for (; given < count && next_ < connections_.size(); ++given, ++next_) {
        connections[given].dwCookie = connections_[next_].first;
        connections[given].pUnk = platform::ComPtr<IUnknown>(connections_[next_].second).detach();
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT ConnectionList::Skip(ULONG count) {
    const std::size_t left = connections_.size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT ConnectionList::Reset() {
    next_ = 0;
    return S_OK;
}

HRESULT ConnectionList::Clone(IEnumConnections** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    return Guarded([&] { *copy = new ConnectionList(connections_, next_); });
}

}  // namespace button
