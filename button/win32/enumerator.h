#pragma once
// The enumerators the button hands out (of its connection points, of a point's connections):
// the items as they were when the host asked, each handed out with a reference of its own.

#include <windows.h>

#include <ocidl.h>

#include <utility>
#include <vector>

#include "button/win32/check.h"
#include "button/win32/server_lifetime.h"
#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

using Connection = std::pair<DWORD, platform::ComPtr<IUnknown>>;

inline IConnectionPoint* HandOut(const platform::ComPtr<IConnectionPoint>& point) {
    return platform::ComPtr<IConnectionPoint>(point).detach();
}

inline CONNECTDATA HandOut(const Connection& connection) {
    return {platform::ComPtr<IUnknown>(connection.second).detach(), connection.first};
}

// Element: what Next fills in; Item: what the enumerator keeps of it.
template <class Interface, class Element, class Item>
class Enumerator final : public platform::ComObject<platform::Implements<Interface>> {
public:
    // Counted among the library's objects: an enumerator may outlive the button it came from.
    explicit Enumerator(std::vector<Item> items, std::size_t next = 0) : items_(std::move(items)), next_(next) {
        ObjectCreated();
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, Element* elements, ULONG* fetched) override {
        if (!elements || (count > 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        for (; given < count && next_ < items_.size(); ++given, ++next_) elements[given] = HandOut(items_[next_]);
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const std::size_t left = items_.size() - next_;
        next_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(Interface** copy) override {
        if (!copy) return E_POINTER;
        *copy = nullptr;
        return Guarded([&] { *copy = new Enumerator(items_, next_); });
    }

private:
    ~Enumerator() override { ObjectDestroyed(); }

    std::vector<Item> items_;
    std::size_t next_;
};

using ConnectionPointList = Enumerator<IEnumConnectionPoints, IConnectionPoint*, platform::ComPtr<IConnectionPoint>>;
using ConnectionList = Enumerator<IEnumConnections, CONNECTDATA, Connection>;

}  // namespace button
