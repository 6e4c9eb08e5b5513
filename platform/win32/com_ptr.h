#pragma once
// An owned reference to a COM interface: released when it goes, added when copied.
// Header-only, so that the control library uses it without linking the program's code.

#include <windows.h>

#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace platform {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to an interface the caller keeps.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() {
        if (p_) p_->Release();
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For out-parameters: drops the current reference and receives a new one.
    T** put() {
        *this = nullptr;
        return &p_;
    }
    // Takes over a reference the caller holds, such as the one a new object starts with.
    void attach(T* p) { *put() = p; }
    // Hands the reference to the caller, as an out-parameter returns it.
    T* detach() { return std::exchange(p_, nullptr); }

    // The object's interface U, or nothing when it has none.
    template <class U>
    ComPtr<U> query() const {
        ComPtr<U> result;
        query(result);
        return result;
    }
    // The same, with the object's answer, for callers that report a refusal.
    template <class U>
    HRESULT query(ComPtr<U>& result) const {
        if (!p_) {
            result = nullptr;
            return E_POINTER;
        }
        return p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(result.put()));
    }

private:
    T* p_ = nullptr;
};

// Whether two interface pointers belong to the same object.
inline bool SameObject(IUnknown* a, IUnknown* b) {
    if (!a || !b) return a == b;
    ComPtr<IUnknown> ua = ComPtr<IUnknown>(a).query<IUnknown>();
    ComPtr<IUnknown> ub = ComPtr<IUnknown>(b).query<IUnknown>();
    return ua.get() == ub.get();
}

}  // namespace platform
