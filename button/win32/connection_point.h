#pragma once
// One outgoing interface of the button: the sinks its host connected, in the order they
// came. The connection point lives inside the button and counts its references there.

#include <windows.h>

#include <ocidl.h>

#include <utility>
#include <vector>

#include "button/win32/com_ptr.h"

namespace button {

class ConnectionPoint final : public IConnectionPoint {
public:
    // owner: the button's IConnectionPointContainer; iid: the interface sinks must offer.
    ConnectionPoint(IConnectionPointContainer& owner, REFIID iid) : owner_(owner), iid_(iid) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    // The sinks as they are now, so that a sink may disconnect while it is being called.
    std::vector<ComPtr<IUnknown>> Sinks() const;
    void DisconnectAll() { sinks_.clear(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    IConnectionPointContainer& owner_;
    IID iid_;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace button
