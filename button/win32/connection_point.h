#pragma once
// One outgoing interface of the button: the sinks its host connected, in the order they
// came. The connection point lives inside the button and counts its references there.

#include <windows.h>

#include <ocidl.h>

#include <utility>
#include <vector>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

class ConnectionPoint final : public platform::ComPart<platform::Implements<IConnectionPoint>> {
public:
    // owner: the button's IConnectionPointContainer; iid: the interface sinks must offer.
    ConnectionPoint(IConnectionPointContainer& owner, REFIID iid) : ComPart(owner), owner_(owner), iid_(iid) {}

    // The sinks as they are now, so that a sink may disconnect while it is being called.
    std::vector<platform::ComPtr<IUnknown>> Sinks() const;
    void DisconnectAll() { sinks_.clear(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    IConnectionPointContainer& owner_;
    IID iid_;
    std::vector<std::pair<DWORD, platform::ComPtr<IUnknown>>> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace button
