#pragma once
// Watches a font object for changes of its attributes, so that the caption can follow its
// own font object when the host changes it directly.

#include <windows.h>

#include <ocidl.h>

#include <functional>

#include "platform/win32/com_object.h"
#include "platform/win32/com_ptr.h"

namespace button {

class FontWatch final : public platform::ComObject<platform::Implements<IPropertyNotifySink>> {
public:
    // Nothing when the font object does not report its changes.
    static platform::ComPtr<FontWatch> Start(IFont* font, std::function<void()> changed);
    void Stop();  // before whoever was told goes away

    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override;
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID id) override;

private:
    explicit FontWatch(std::function<void()> changed) : changed_(std::move(changed)) {}
    ~FontWatch() = default;

    std::function<void()> changed_;
    platform::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace button
