#pragma once
// The platform's standard font object behind the button's font interface.

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include "button/font.h"
#include "platform/win32/com_ptr.h"

namespace button {

class OleFont final : public Font {
public:
    explicit OleFont(platform::ComPtr<IFont> font) : font_(std::move(font)) {}

    // A new standard font object, as the platform creates one.
    static std::shared_ptr<OleFont> CreateStandard();

    IFont* Interface() const { return font_.get(); }

    std::wstring Name() const override;
    void SetName(const std::wstring& name) override;
    double Size() const override;
    void SetSize(double points) override;
    bool Bold() const override;
    void SetBold(bool bold) override;
    bool Italic() const override;
    void SetItalic(bool italic) override;
    std::int16_t Charset() const override;
    void SetCharset(std::int16_t charset) override;
    bool Strikethrough() const override;
    void SetStrikethrough(bool strikethrough) override;
    bool Underline() const override;
    void SetUnderline(bool underline) override;
    std::int16_t Weight() const override;
    void SetWeight(std::int16_t weight) override;

private:
    platform::ComPtr<IFont> font_;
};

}  // namespace button
