#pragma once
// What the button tells its host: that a property changed, and that it was clicked.

#include <string>

namespace button {

class ButtonNotifications {
public:
    virtual ~ButtonNotifications() = default;
    virtual void PropertyChanged(const std::wstring& name) = 0;
    virtual void Click() = 0;
};

}  // namespace button
