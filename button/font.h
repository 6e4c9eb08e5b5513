#pragma once
// A font object as the host's platform provides it. Objects are shared by reference: the
// button keeps the one its host gave it, and the caption keeps its own.

#include <cstdint>
#include <memory>
#include <string>

namespace button {

class Font {
public:
    virtual ~Font() = default;

    // Every accessor may fail with ControlError, as the platform's object can refuse.
    virtual std::wstring Name() const = 0;
    virtual void SetName(const std::wstring& name) = 0;
    virtual double Size() const = 0;  // points
    virtual void SetSize(double points) = 0;
    virtual bool Bold() const = 0;
    virtual void SetBold(bool bold) = 0;
    virtual bool Italic() const = 0;
    virtual void SetItalic(bool italic) = 0;
    virtual std::int16_t Charset() const = 0;
    virtual void SetCharset(std::int16_t charset) = 0;
    virtual bool Strikethrough() const = 0;
    virtual void SetStrikethrough(bool strikethrough) = 0;
    virtual bool Underline() const = 0;
    virtual void SetUnderline(bool underline) = 0;
    virtual std::int16_t Weight() const = 0;
    virtual void SetWeight(std::int16_t weight) = 0;
};

using FontRef = std::shared_ptr<Font>;

}  // namespace button
