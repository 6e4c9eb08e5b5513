#include "button/win32/ole_font.h"

#include <cmath>

#include "button/win32/check.h"
#include "platform/win32/scoped_variant.h"

namespace button {

namespace {

// One of the font's properties, read through its getter.
template <class Value>
Value Read(IFont& font, HRESULT (STDMETHODCALLTYPE IFont::*getter)(Value*)) {
    Value value = {};
    Check((font.*getter)(&value));
    return value;
}

}  // namespace

std::shared_ptr<OleFont> OleFont::CreateStandard() {
    platform::ComPtr<IFont> font;
    Check(CoCreateInstance(CLSID_StdFont, nullptr, CLSCTX_INPROC_SERVER, IID_IFont,
                           reinterpret_cast<void**>(font.put())));
    return std::make_shared<OleFont>(std::move(font));
}

std::shared_ptr<OleFont> OleFont::Copy() const {
    platform::ComPtr<IFont> font;
    Check(font_->Clone(font.put()));
    return std::make_shared<OleFont>(std::move(font));
}

std::wstring OleFont::Name() const {
    platform::Bstr name;
    Check(font_->get_Name(name.put()));
    return std::wstring(name.get() ? name.get() : L"", SysStringLen(name.get()));
}

void OleFont::SetName(const std::wstring& name) {
    const platform::Bstr text(name);
    if (!text.get()) Check(E_OUTOFMEMORY);
    Check(font_->put_Name(text.get()));
}

double OleFont::Size() const {
    CY size = {};
    Check(font_->get_Size(&size));
    return static_cast<double>(size.int64) / 10000.0;
}

void OleFont::SetSize(double points) {
    CY size = {};
    size.int64 = std::llround(points * 10000.0);
    Check(font_->put_Size(size));
}

bool OleFont::Bold() const { return Read(*font_.get(), &IFont::get_Bold) != FALSE; }

void OleFont::SetBold(bool bold) { Check(font_->put_Bold(bold)); }

bool OleFont::Italic() const { return Read(*font_.get(), &IFont::get_Italic) != FALSE; }

void OleFont::SetItalic(bool italic) { Check(font_->put_Italic(italic)); }

std::int16_t OleFont::Charset() const { return Read(*font_.get(), &IFont::get_Charset); }

void OleFont::SetCharset(std::int16_t charset) { Check(font_->put_Charset(charset)); }

bool OleFont::Strikethrough() const { return Read(*font_.get(), &IFont::get_Strikethrough) != FALSE; }

void OleFont::SetStrikethrough(bool strikethrough) { Check(font_->put_Strikethrough(strikethrough)); }

bool OleFont::Underline() const { return Read(*font_.get(), &IFont::get_Underline) != FALSE; }

void OleFont::SetUnderline(bool underline) { Check(font_->put_Underline(underline)); }

std::int16_t OleFont::Weight() const { return Read(*font_.get(), &IFont::get_Weight); }

void OleFont::SetWeight(std::int16_t weight) { Check(font_->put_Weight(weight)); }

}  // namespace button
