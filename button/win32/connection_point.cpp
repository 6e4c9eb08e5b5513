#include "button/win32/connection_point.h"

#include <olectl.h>

#include <algorithm>

#include "button/win32/check.h"
#include "button/win32/connection_list.h"

namespace button {

std::vector<platform::ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<platform::ComPtr<IUnknown>> sinks;
    for (const auto& entry : sinks_) sinks.push_back(entry.second);
    return sinks;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = &owner_;
    owner_.AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    platform::ComPtr<IUnknown> connected;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(connected.put())))) return CONNECT_E_CANNOTCONNECT;
    return Guarded([&] {
        sinks_.emplace_back(nextCookie_, std::move(connected));
        *cookie = nextCookie_++;
    });
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    auto it = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& entry) { return entry.first == cookie; });
    if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
    sinks_.erase(it);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (!connections) return E_POINTER;
    *connections = nullptr;
    return Guarded([&] { *connections = new ConnectionList(sinks_); });
}

}  // namespace button
