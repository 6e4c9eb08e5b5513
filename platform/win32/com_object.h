#pragma once
// The IUnknown of the COM objects written here, once: an object lists the interfaces it
// implements, and QueryInterface answers from that list; the first one listed is its
// IUnknown. Header-only, so that the control library uses it without linking the program's
// code.
//
//     class Site final : public platform::ComObject<platform::Implements<IOleClientSite>,
//                                                   platform::Implements<IOleInPlaceSite, IOleWindow>> {
//         ...the methods of the interfaces, but none of IUnknown
//     };
//
// A new object starts with one reference, its creator's.

#include <windows.h>

#include <unknwn.h>

namespace platform {

// One interface an object implements, and the identities QueryInterface also answers with
// that interface: those of its base interfaces, or of a dispinterface served through
// IDispatch. A base interface that two listed interfaces share is named with one of them.
template <class Interface, class... AlsoAnswersFor>
struct Implements {
    using Type = Interface;

    template <class Object>
    static void* Find(Object* object, REFIID riid) {
        if (IsEqualIID(riid, __uuidof(Interface)) || (IsEqualIID(riid, __uuidof(AlsoAnswersFor)) || ...)) {
            return static_cast<Interface*>(object);
        }
        return nullptr;
    }
};

// The listed interfaces and the answer to QueryInterface, for the two ways of counting
// references below.
template <class First, class... Rest>
class ComInterfaces : public First::Type, public Rest::Type... {
protected:
    HRESULT Answer(REFIID riid, void** object) {
        if (!object) return E_POINTER;
        void* found = IsEqualIID(riid, IID_IUnknown) ? static_cast<typename First::Type*>(this)
                                                     : First::Find(this, riid);
        if (!found) (void)((found = Rest::Find(this, riid)) || ...);  // the first of the others that answers
        *object = found;
        if (!found) return E_NOINTERFACE;
        static_cast<typename First::Type*>(this)->AddRef();
        return S_OK;
    }
};

// An object of its own, deleted with its last reference.
template <class... Interfaces>
class ComObject : public ComInterfaces<Interfaces...> {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        return this->Answer(riid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG refs = InterlockedDecrement(&refs_);
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    LONG refs_ = 1;
};

// A part of another object, living and dying with it (as a connection point inside the
// object that offers it): references count on the owner, while QueryInterface answers for
// the part's own interfaces, the part being an object of its own to COM.
template <class... Interfaces>
class ComPart : public ComInterfaces<Interfaces...> {
public:
    explicit ComPart(IUnknown& owner) : owner_(owner) {}
    ComPart(const ComPart&) = delete;
    ComPart& operator=(const ComPart&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        return this->Answer(riid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

protected:
    ~ComPart() = default;

private:
    IUnknown& owner_;
};

}  // namespace platform
