#pragma once
// One outgoing interface of the button: the sinks its host connected, in the order they
// came. The connection point lives inside the button and counts its references there.

#include <windows.h>

#include <olectl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "button/win32/check.h"
#include "button/win32/enumerator.h"
#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

// Sink: the interface the button calls; iid: the one sinks must offer, which for events is a
// dispinterface called through IDispatch.
template <class Sink>
class ConnectionPoint final : public platform::ComPart<platform::Implements<IConnectionPoint>> {
public:
    // owner: the button's IConnectionPointContainer.
    ConnectionPoint(IConnectionPointContainer& owner, REFIID iid) : ComPart(owner), owner_(owner), iid_(iid) {}

    // The sinks as they are now, so that a sink may disconnect while it is being called.
    std::vector<platform::ComPtr<Sink>> Sinks() const {
        std::vector<platform::ComPtr<Sink>> sinks;
        for (const auto& entry : sinks_) sinks.push_back(entry.second);
        return sinks;
    }
    void DisconnectAll() { sinks_.clear(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        if (!iid) return E_POINTER;
        *iid = iid_;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override {
        if (!container) return E_POINTER;
        *container = &owner_;
        owner_.AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
        if (!cookie) return E_POINTER;
        *cookie = 0;
        if (!sink) return E_POINTER;
        platform::ComPtr<Sink> connected;
        if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(connected.put())))) return CONNECT_E_CANNOTCONNECT;
        return Guarded([&] {
            sinks_.emplace_back(nextCookie_, std::move(connected));
            *cookie = nextCookie_++;
        });
    }

    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        auto it = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& entry) { return entry.first == cookie; });
        if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
        sinks_.erase(it);
        return S_OK;
    }

    // A sink that disconnects later stays in the list handed out.
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override {
        if (!connections) return E_POINTER;
        *connections = nullptr;
        return Guarded([&] {
            std::vector<Connection> listed;
            for (const auto& [cookie, sink] : sinks_) listed.emplace_back(cookie, platform::ComPtr<IUnknown>(sink.get()));
            *connections = new ConnectionList(std::move(listed));
        });
    }

private:
    IConnectionPointContainer& owner_;
    IID iid_;
    std::vector<std::pair<DWORD, platform::ComPtr<Sink>>> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace button
