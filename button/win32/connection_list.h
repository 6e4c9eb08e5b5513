#pragma once
// The sinks connected to one of the button's connection points, with their cookies, as
// they were when the host asked: a sink that disconnects later stays in the list.

#include <windows.h>

#include <ocidl.h>

#include <utility>
#include <vector>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

class ConnectionList final : public platform::ComObject<platform::Implements<IEnumConnections>> {
public:
    using Connection = std::pair<DWORD, platform::ComPtr<IUnknown>>;

    explicit ConnectionList(std::vector<Connection> connections, std::size_t next = 0);

    HRESULT STDMETHODCALLTYPE Next(ULONG count, CONNECTDATA* connections, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnections** copy) override;

private:
    ~ConnectionList() override;

    std::vector<Connection> connections_;
    std::size_t next_;
};

}  // namespace button
