#pragma once
// Font, picture, toolkit and host doubles for the button's portable tests.

#include <set>
#include <string>
#include <vector>

#include "button/control_error.h"
#include "button/font.h"
#include "button/notifications.h"
#include "button/picture.h"
#include "button/toolkit.h"

namespace testing_support {

// A font whose attributes can be made to refuse changes, one by one.
class FakeFont final : public button::Font {
public:
    // The attributes of a new standard font object on this imaginary platform.
    std::wstring name = L"System";
    double size = 8;
    bool bold = false, italic = false, strikethrough = false, underline = false;
    std::int16_t charset = 0, weight = 400;
    std::set<std::wstring> refusing;  // attribute names whose setters fail

    std::wstring Name() const override { return name; }
    void SetName(const std::wstring& v) override { Set(L"Name", name, v); }
    double Size() const override { return size; }
    void SetSize(double v) override { Set(L"Size", size, v); }
    bool Bold() const override { return bold; }
    void SetBold(bool v) override { Set(L"Bold", bold, v); }
    bool Italic() const override { return italic; }
    void SetItalic(bool v) override { Set(L"Italic", italic, v); }
    std::int16_t Charset() const override { return charset; }
    void SetCharset(std::int16_t v) override { Set(L"Charset", charset, v); }
    bool Strikethrough() const override { return strikethrough; }
    void SetStrikethrough(bool v) override { Set(L"Strikethrough", strikethrough, v); }
    bool Underline() const override { return underline; }
    void SetUnderline(bool v) override { Set(L"Underline", underline, v); }
    std::int16_t Weight() const override { return weight; }
    void SetWeight(std::int16_t v) override { Set(L"Weight", weight, v); }

private:
    template <class T>
    void Set(const wchar_t* attribute, T& field, T value) {
        if (refusing.count(attribute)) throw button::ControlError(button::kInvalidPropertyValue);
        field = value;
    }
};

class FakePicture final : public button::Picture {
public:
    explicit FakePicture(button::HimetricSize size) : size_(size) {}
    button::HimetricSize NaturalSize() const override { return size_; }

private:
    button::HimetricSize size_;
};

// Measures 100 twips per character and 300 twips of line height, MS Sans Serif's 12 points.
class FakeToolkit final : public button::Toolkit {
public:
    std::vector<std::shared_ptr<FakeFont>> created;

    button::FontRef NewFont() override {
        created.push_back(std::make_shared<FakeFont>());
        return created.back();
    }
    button::TextExtent MeasureLine(const std::wstring& text, const button::Font&) override {
        return {100.0f * static_cast<float>(text.size()), 300.0f};
    }
};

class RecordingHost final : public button::ButtonNotifications {
public:
    std::vector<std::wstring> changed;
    int clicks = 0;

    void PropertyChanged(const std::wstring& name) override { changed.push_back(name); }
    void Click() override { ++clicks; }
};

}  // namespace testing_support
