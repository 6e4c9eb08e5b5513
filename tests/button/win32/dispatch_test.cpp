// The button as hosts program it: every property by its dispatch id and through the dual
// interface, change notifications, and persistence in a property bag and a stream.

#include <gtest/gtest.h>

#include "com_doubles.h"

using button::ComPtr;
using button::Variant;
using namespace testing_support;

namespace {

constexpr DISPID kFontColor = 0x68030000, kFont = 0x68030001, kStretch = 0x68030002, kPicture = 0x68030003,
                 kCaption = 0x68030004, kForm = 0x68030005, kBackColor = 0x68030006, kAlign = 0x68030007,
                 kEnabled = 0x68030008;

class PropertySink final : public StackObject<IPropertyNotifySink> {
public:
    std::vector<DISPID> changed;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        const bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyNotifySink);
        *object = known ? this : nullptr;
        return known ? S_OK : E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

HRESULT Put(IDispatch* target, DISPID id, VARIANT& value, EXCEPINFO* error = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    const WORD kind = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    return target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, error, nullptr);
}

std::wstring Get(IDispatch* target, DISPID id) {
    DISPPARAMS none = {};
    Variant result, text;
    EXPECT_EQ(target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                             nullptr), S_OK);
    if (result.vt == VT_DISPATCH) return result.pdispVal ? L"object" : L"nothing";
    VariantChangeType(&text, &result, VARIANT_ALPHABOOL, VT_BSTR);
    return text.bstrVal;
}

template <VARTYPE Type, class T>
void Set(VARIANT& v, T value) {
    VariantClear(&v);
    v.vt = Type;
    if constexpr (Type == VT_UI4) v.ulVal = value;
    if constexpr (Type == VT_I4) v.lVal = value;
    if constexpr (Type == VT_BOOL) v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    if constexpr (Type == VT_BSTR) v.bstrVal = SysAllocString(value);
    if constexpr (Type == VT_DISPATCH) v.pdispVal = ComPtr<IDispatch>(value).detach();
}

class DispatchTest : public ::testing::Test {
protected:
    Apartment apartment;
    ComPtr<IDispatch> button = CreateButton<IDispatch>();
};

TEST_F(DispatchTest, EveryPropertyByItsDispatchIdAndEachChangeIsNotified) {
    ASSERT_TRUE(button);
    PropertySink sink;
    ComPtr<IConnectionPoint> point;
    button.query<IConnectionPointContainer>()->FindConnectionPoint(IID_IPropertyNotifySink, point.put());
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);

    ComPtr<IDispatch> font;
    OleCreateFontIndirect(nullptr, IID_IDispatch, reinterpret_cast<void**>(font.put()));
    Variant v;
    Set<VT_UI4>(v, 0x0000FFu);
    EXPECT_EQ(Put(button.get(), kFontColor, v), S_OK);
    Set<VT_DISPATCH>(v, font.get());
    EXPECT_EQ(Put(button.get(), kFont, v), S_OK);
    Set<VT_BOOL>(v, false);
    EXPECT_EQ(Put(button.get(), kStretch, v), S_OK);
    Set<VT_DISPATCH>(v, SolidPicture(RGB(0, 255, 0)).get());
    EXPECT_EQ(Put(button.get(), kPicture, v), S_OK);
    Set<VT_BSTR>(v, L"&Öffnen");
    EXPECT_EQ(Put(button.get(), kCaption, v), S_OK);
    Set<VT_I4>(v, 2);
    EXPECT_EQ(Put(button.get(), kForm, v), S_OK);
    Set<VT_UI4>(v, 0x8000000Fu);
    EXPECT_EQ(Put(button.get(), kBackColor, v), S_OK);
    Set<VT_I4>(v, 1);
    EXPECT_EQ(Put(button.get(), kAlign, v), S_OK);
    Set<VT_BOOL>(v, false);
    EXPECT_EQ(Put(button.get(), kEnabled, v), S_OK);

    EXPECT_EQ(Get(button.get(), kFontColor), L"255");
    EXPECT_EQ(Get(button.get(), kFont), L"object");
    EXPECT_EQ(Get(button.get(), kStretch), L"False");
    EXPECT_EQ(Get(button.get(), kPicture), L"object");
    EXPECT_EQ(Get(button.get(), kCaption), L"&Öffnen");
    EXPECT_EQ(Get(button.get(), kForm), L"2");
    EXPECT_EQ(Get(button.get(), kBackColor), L"2147483663");
    EXPECT_EQ(Get(button.get(), kAlign), L"1");
    EXPECT_EQ(Get(button.get(), kEnabled), L"False");
    EXPECT_EQ(sink.changed, (std::vector<DISPID>{kFontColor, kFont, kStretch, kPicture, kCaption, kForm, kBackColor,
                                                 kAlign, kEnabled}));

    wchar_t name[] = L"ButtonPictureAlign";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    EXPECT_EQ(button->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, kAlign);
    point->Unadvise(cookie);
}

TEST_F(DispatchTest, EveryPropertyThroughTheDualInterface) {
    ComPtr<_cButton> dual = button.query<_cButton>();
    ASSERT_TRUE(dual);
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(nullptr, IID_IFontDisp, reinterpret_cast<void**>(font.put()));
    ComPtr<IPictureDisp> picture = SolidPicture(RGB(0, 0, 255));
    BSTR caption = SysAllocString(L"Info");
    EXPECT_EQ(dual->put_ButtonEnabled(VARIANT_FALSE), S_OK);
    EXPECT_EQ(dual->put_ButtonPictureAlign(Rechts), S_OK);
    EXPECT_EQ(dual->put_ButtonBackColor(0x123456), S_OK);
    EXPECT_EQ(dual->put_ButtonForm(Oval), S_OK);
    EXPECT_EQ(dual->put_ButtonCaption(caption), S_OK);
    EXPECT_EQ(dual->putref_ButtonPicture(picture.get()), S_OK);
    EXPECT_EQ(dual->put_ButtonPictureStretch(VARIANT_FALSE), S_OK);
    EXPECT_EQ(dual->putref_ButtonFont(font.get()), S_OK);
    EXPECT_EQ(dual->put_ButtonFontColor(0xABCDEF), S_OK);
    SysFreeString(caption);

    VARIANT_BOOL flag = VARIANT_TRUE;
    BtnAlign align = Links;
    BtnForms form = Rechteck;
    OLE_COLOR color = 0;
    BSTR text = nullptr;
    ComPtr<IPictureDisp> readPicture;
    ComPtr<IFontDisp> readFont;
    EXPECT_EQ(dual->get_ButtonEnabled(&flag), S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_EQ(dual->get_ButtonPictureAlign(&align), S_OK);
    EXPECT_EQ(align, Rechts);
    EXPECT_EQ(dual->get_ButtonBackColor(&color), S_OK);
    EXPECT_EQ(color, 0x123456u);
    EXPECT_EQ(dual->get_ButtonForm(&form), S_OK);
    EXPECT_EQ(form, Oval);
    EXPECT_EQ(dual->get_ButtonCaption(&text), S_OK);
    EXPECT_STREQ(text, L"Info");
    SysFreeString(text);
    EXPECT_EQ(dual->get_ButtonPicture(readPicture.put()), S_OK);
    EXPECT_TRUE(button::SameObject(readPicture.get(), picture.get()));
    EXPECT_EQ(dual->get_ButtonPictureStretch(&flag), S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_EQ(dual->get_ButtonFont(readFont.put()), S_OK);
    EXPECT_TRUE(button::SameObject(readFont.get(), font.get())) << "the template itself, not a copy";
    EXPECT_EQ(dual->get_ButtonFontColor(&color), S_OK);
    EXPECT_EQ(color, 0xABCDEFu);
}

TEST_F(DispatchTest, RefusedValuesAndUnknownMembersAreErrors) {
    ComPtr<_cButton> dual = button.query<_cButton>();
    EXPECT_EQ(dual->put_ButtonForm(static_cast<BtnForms>(6)), static_cast<HRESULT>(0x800A017C));
    Variant v;
    Set<VT_I4>(v, 70000);
    EXCEPINFO error = {};
    EXPECT_EQ(Put(button.get(), kForm, v, &error), DISP_E_EXCEPTION);
    EXPECT_EQ(error.scode, static_cast<SCODE>(0x800A0006)) << "overflow";
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    EXPECT_EQ(Get(button.get(), kForm), L"70000") << "the value is kept although the shape refused it";

    DISPPARAMS none = {};
    Variant result;
    EXPECT_EQ(button->Invoke(0x68030009, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                             nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
    wchar_t name[] = L"ButtonColour";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    EXPECT_EQ(button->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
}

TEST_F(DispatchTest, PropertyBagKeepsOnlyWhatDiffersAndRestoresHostLayouts) {
    MemoryBag fresh;
    ASSERT_EQ(button.query<IPersistPropertyBag>()->Save(&fresh, TRUE, FALSE), S_OK);
    std::vector<std::wstring> names;
    for (const auto& entry : fresh.values) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"_ExtentX", L"_ExtentY", L"ButtonForm", L"ButtonBackColor",
                                                L"ButtonFont"}));

    MemoryBag layout;  // as the program's stored windows hold it
    Variant v;
    Set<VT_I4>(v, 3678);
    layout.Write(L"_extentx", &v);
    Set<VT_I4>(v, 1349);
    layout.Write(L"_extenty", &v);
    Set<VT_BSTR>(v, L"&Übernehmen");
    layout.Write(L"buttoncaption", &v);
    Set<VT_I4>(v, -2147483633);
    layout.Write(L"buttonbackcolor", &v);
    ComPtr<IDispatch> restored = CreateButton<IDispatch>();
    ASSERT_EQ(restored.query<IPersistPropertyBag>()->Load(&layout, nullptr), S_OK);
    EXPECT_EQ(Get(restored.get(), kCaption), L"&Übernehmen");
    EXPECT_EQ(Get(restored.get(), kBackColor), L"2147483663");
    EXPECT_EQ(Get(restored.get(), kForm), L"0") << "missing values take their defaults";
    EXPECT_EQ(restored.query<IPersistStreamInit>()->IsDirty(), S_FALSE);

    MemoryBag again;
    ASSERT_EQ(restored.query<IPersistPropertyBag>()->Save(&again, TRUE, FALSE), S_OK);
    EXPECT_FALSE(again.Find(L"ButtonFont")) << "the caption's own font is the default";
    ASSERT_TRUE(again.Find(L"ButtonCaption"));
}

TEST_F(DispatchTest, StreamRoundTripKeepsPropertiesFontAndPicture) {
    ComPtr<_cButton> dual = button.query<_cButton>();
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(nullptr, IID_IFontDisp, reinterpret_cast<void**>(font.put()));
    font.query<IFont>()->put_Bold(TRUE);
    BSTR caption = SysAllocString(L"Einstellungen");
    dual->put_ButtonCaption(caption);
    SysFreeString(caption);
    dual->putref_ButtonFont(font.get());
    dual->putref_ButtonPicture(SolidPicture(RGB(255, 0, 0)).get());
    dual->put_ButtonPictureAlign(Rechts);

    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
    ASSERT_EQ(button.query<IPersistStreamInit>()->Save(stream.get(), TRUE), S_OK);
    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ComPtr<_cButton> copy = CreateButton<_cButton>();
    ASSERT_EQ(copy.query<IPersistStreamInit>()->Load(stream.get()), S_OK);

    BSTR text = nullptr;
    copy->get_ButtonCaption(&text);
    EXPECT_STREQ(text, L"Einstellungen");
    SysFreeString(text);
    BtnAlign align = Links;
    copy->get_ButtonPictureAlign(&align);
    EXPECT_EQ(align, Rechts);
    ComPtr<IFontDisp> copiedFont;
    copy->get_ButtonFont(copiedFont.put());
    BOOL bold = FALSE;
    copiedFont.query<IFont>()->get_Bold(&bold);
    EXPECT_TRUE(bold);
    ComPtr<IPictureDisp> copiedPicture;
    copy->get_ButtonPicture(copiedPicture.put());
    OLE_XSIZE_HIMETRIC width = 0;
    ASSERT_TRUE(copiedPicture);
    copiedPicture.query<IPicture>()->get_Width(&width);
    EXPECT_GT(width, 0);

    ULARGE_INTEGER end = {};
    stream->Seek(start, STREAM_SEEK_CUR, &end);
    stream->SetSize(ULARGE_INTEGER{{static_cast<DWORD>(end.QuadPart / 2), 0}});
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    EXPECT_TRUE(FAILED(CreateButton<IPersistStreamInit>()->Load(stream.get()))) << "a cut stream is refused";
}

}  // namespace
