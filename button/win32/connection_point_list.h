#pragma once
// The button's connection points, one after the other, for hosts and tools that enumerate
// them instead of asking for each by its interface. The list holds the points, and through
// them the button, while it lives.

#include <windows.h>

#include <ocidl.h>

#include <vector>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

class ConnectionPointList final : public platform::ComObject<platform::Implements<IEnumConnectionPoints>> {
public:
    explicit ConnectionPointList(std::vector<platform::ComPtr<IConnectionPoint>> points, std::size_t next = 0);

    HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** copy) override;

private:
    ~ConnectionPointList() override;

    std::vector<platform::ComPtr<IConnectionPoint>> points_;
    std::size_t next_;
};

}  // namespace button
