#include "button/win32/ole_font.h"

#include <cmath>
#include <string>

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

// What a new standard font object is, as the platform makes one.
struct StandardFont {
    std::wstring name;
    FONTDESC description = {};  // but for the name
};

// Asking COM for a standard font looks its class up (activation context and registry), which
// under Wine took 0.7 ms each time, for several fonts per button. The platform's defaults
// are read from one such object, once per process; every standard font is made from them.
// They are plain values, the same in every apartment.
const StandardFont& Standard() {
    static const StandardFont standard = [] {
        platform::ComPtr<IFont> made;
        Check(CoCreateInstance(CLSID_StdFont, nullptr, CLSCTX_INPROC_SERVER, IID_IFont,
                               reinterpret_cast<void**>(made.put())));
        const OleFont font(std::move(made));
        StandardFont read;
        read.name = font.Name();
        FONTDESC& description = read.description;
        description.cbSizeofstruct = sizeof description;
        Check(font.Interface()->get_Size(&description.cySize));
        description.sWeight = font.Weight();
        description.sCharset = font.Charset();
        description.fItalic = font.Italic();
        description.fUnderline = font.Underline();
        description.fStrikethrough = font.Strikethrough();
        return read;
    }();
    return standard;
}

}  // namespace

std::shared_ptr<OleFont> OleFont::CreateStandard() {
    const StandardFont& standard = Standard();
    FONTDESC description = standard.description;
    description.lpstrName = const_cast<LPOLESTR>(standard.name.c_str());
    platform::ComPtr<IFont> font;
    Check(OleCreateFontIndirect(&description, IID_IFont, reinterpret_cast<void**>(font.put())));
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
