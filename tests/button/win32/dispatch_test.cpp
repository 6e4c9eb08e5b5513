// The button as hosts program it: every property by its dispatch id (which reaches the dual
// interface's accessors through the type library), change notifications, and persistence in
// a stream and a property bag.

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "com_doubles.h"

using platform::ComPtr;
using platform::Variant;
using namespace testing_support;

namespace {

class PropertySink final : public StackObject<IPropertyNotifySink, &IID_IPropertyNotifySink> {
public:
    std::vector<DISPID> changed;
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

// Plain VARIANTs for the calls below, which clear them.
VARIANT Of(VARTYPE type, LONGLONG number) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    v.llVal = number;
    return v;
}
VARIANT Text(const wchar_t* text) {
    VARIANT v = Of(VT_BSTR, 0);
    v.bstrVal = SysAllocString(text);
    return v;
}
VARIANT Object(IDispatch* object) {
    VARIANT v = Of(VT_DISPATCH, 0);
    v.pdispVal = ComPtr<IDispatch>(object).detach();
    return v;
}

HRESULT Put(IDispatch* target, DISPID id, VARIANT& value, EXCEPINFO* error = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    const WORD kind = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    return target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, error, nullptr);
}

// A property's value as text; a font by its weight, a picture by its width.
std::wstring Get(IDispatch* target, DISPID id) {
    DISPPARAMS none = {};
    Variant result, text;
    EXPECT_EQ(target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                             nullptr), S_OK);
    if (result.vt == VT_DISPATCH) {
        ComPtr<IDispatch> object(result.pdispVal);
        BOOL bold = FALSE;
        OLE_XSIZE_HIMETRIC width = 0;
        if (auto font = object.query<IFont>()) return SUCCEEDED(font->get_Bold(&bold)) && bold ? L"bold" : L"font";
        if (auto picture = object.query<IPicture>()) picture->get_Width(&width);
        return object ? L"picture " + std::to_wstring(width) : L"nothing";
    }
    VariantChangeType(&text, &result, VARIANT_ALPHABOOL, VT_BSTR);
    return text.bstrVal;
}

class DispatchTest : public ::testing::Test {
protected:
    Apartment apartment;
    ComPtr<IDispatch> button = CreateButton<IDispatch>();
};

TEST_F(DispatchTest, EveryPropertyByItsDispatchIdIsNotifiedAndSurvivesAStream) {
    ASSERT_TRUE(button);
    PropertySink sink;
    ComPtr<IConnectionPoint> point;
    button.query<IConnectionPointContainer>()->FindConnectionPoint(IID_IPropertyNotifySink, point.put());
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    ComPtr<IDispatch> font;
    OleCreateFontIndirect(nullptr, IID_IDispatch, reinterpret_cast<void**>(font.put()));
    font.query<IFont>()->put_Bold(TRUE);
    const std::wstring pictureWidth = L"picture " + std::to_wstring(MulDiv(16, 2540, 96));

    const struct {
        DISPID id;
        VARIANT value;
        std::wstring expected;
    } properties[] = {
        {0x68030000, Of(VT_UI4, 0xFF), L"255"},
        {0x68030001, Object(font.get()), L"bold"},
        {0x68030002, Of(VT_BOOL, VARIANT_FALSE), L"False"},
        {0x68030003, Object(SolidPicture(RGB(0, 255, 0)).get()), pictureWidth},
        {0x68030004, Text(L"&Öffnen"), L"&Öffnen"},
        {0x68030005, Of(VT_I4, 2), L"2"},
        {0x68030006, Of(VT_UI4, 0x8000000F), L"2147483663"},
        {0x68030007, Of(VT_I4, 1), L"1"},
        {0x68030008, Of(VT_BOOL, VARIANT_FALSE), L"False"},
    };
    std::vector<DISPID> ids;
    for (auto property : properties) {
        EXPECT_EQ(Put(button.get(), property.id, property.value), S_OK) << std::hex << property.id;
        EXPECT_EQ(Get(button.get(), property.id), property.expected) << std::hex << property.id;
        VariantClear(&property.value);
        ids.push_back(property.id);
    }
    EXPECT_EQ(sink.changed, ids);
    point->Unadvise(cookie);
    ComPtr<IFontDisp> readFont;
    ASSERT_EQ(button.query<_cButton>()->get_ButtonFont(readFont.put()), S_OK);
    EXPECT_TRUE(platform::SameObject(readFont.get(), font.get())) << "the template itself, not a copy";

    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
    ASSERT_EQ(button.query<IPersistStreamInit>()->Save(stream.get(), TRUE), S_OK);
    const LARGE_INTEGER start = {};
    ULARGE_INTEGER end = {};
    stream->Seek(start, STREAM_SEEK_CUR, &end);
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ComPtr<IDispatch> copy = CreateButton<IDispatch>();
    ASSERT_EQ(copy.query<IPersistStreamInit>()->Load(stream.get()), S_OK);
    for (const auto& property : properties)
        EXPECT_EQ(Get(copy.get(), property.id), property.expected) << "from the stream " << std::hex << property.id;

    stream->SetSize(ULARGE_INTEGER{{static_cast<DWORD>(end.QuadPart / 2), 0}});
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    EXPECT_TRUE(FAILED(CreateButton<IPersistStreamInit>()->Load(stream.get()))) << "a cut stream is refused";
}

TEST_F(DispatchTest, RefusedValuesAndUnknownMembersAreErrors) {
    VARIANT v = Of(VT_I4, 6);
    EXCEPINFO error = {};
    EXPECT_EQ(Put(button.get(), 0x68030005, v, &error), DISP_E_EXCEPTION);
    EXPECT_EQ(error.scode, static_cast<SCODE>(0x800A017C)) << "invalid property value";
    DISPPARAMS none = {};
    EXPECT_EQ(button->Invoke(0x68030009, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &v, nullptr,
                             nullptr), DISP_E_MEMBERNOTFOUND);
}

TEST_F(DispatchTest, ANewButtonsFontIsThePlatformsStandardFontAtTwelvePoints) {
    ComPtr<IFont> standard;
    ASSERT_EQ(CoCreateInstance(CLSID_StdFont, nullptr, CLSCTX_INPROC_SERVER, IID_IFont,
                               reinterpret_cast<void**>(standard.put())), S_OK);
    CY twelve = {};
    twelve.int64 = 120000;
    standard->put_Size(twelve);
    ComPtr<IFontDisp> font;
    ASSERT_EQ(button.query<_cButton>()->get_ButtonFont(font.put()), S_OK);
    EXPECT_EQ(font.query<IFont>()->IsEqual(standard.get()), S_OK);
}

void Write(MemoryBag& bag, const wchar_t* name, VARIANT value) {
    bag.Write(name, &value);
    VariantClear(&value);
}

TEST_F(DispatchTest, PropertyBagKeepsOnlyWhatDiffersRestoresHostLayoutsAndHoldsWhatABagThrows) {
    MemoryBag fresh;
    ASSERT_EQ(button.query<IPersistPropertyBag>()->Save(&fresh, TRUE, FALSE), S_OK);
    std::vector<std::wstring> names;
    for (const auto& entry : fresh.values) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"_ExtentX", L"_ExtentY", L"ButtonForm", L"ButtonBackColor",
                                                L"ButtonFont"}));

    MemoryBag layout;  // as the program's stored windows hold it
    Write(layout, L"_extentx", Of(VT_I4, 3678));
    Write(layout, L"_extenty", Of(VT_I4, 1349));
    Write(layout, L"buttoncaption", Text(L"&Übernehmen"));
    ComPtr<IDispatch> restored = CreateButton<IDispatch>();
    ASSERT_EQ(restored.query<IPersistPropertyBag>()->Load(&layout, nullptr), S_OK);
    EXPECT_EQ(Get(restored.get(), 0x68030004), L"&Übernehmen");
    EXPECT_EQ(restored.query<IPersistStreamInit>()->IsDirty(), S_FALSE);
    // Only 64-bit code unwinds through the system's tables: a 32-bit library and the test
    // each link a runtime of their own, and the test's cannot unwind through the library.
#ifdef _WIN64
    for (const HRESULT expected : {E_UNEXPECTED, E_OUTOFMEMORY}) {
        layout.failure = expected == E_OUTOFMEMORY ? std::make_exception_ptr(std::bad_alloc())
                                                   : std::make_exception_ptr(std::runtime_error("bag"));
        EXPECT_EQ(restored.query<IPersistPropertyBag>()->Load(&layout, nullptr), expected) << "nothing thrown leaves";
    }
#endif
}

// The longest caption the button takes, through a container's stream and back; one
// character more is refused as any invalid value is.
TEST(CaptionLimitTest, TheLongestCaptionReadsBackFromAStreamAndALongerOneIsRefused) {
    Apartment apartment;
    ComPtr<_cButton> button = CreateButton<_cButton>(), copy = CreateButton<_cButton>();
    ASSERT_TRUE(button && copy);
    const std::wstring longest(1'048'576, L'x'), longer(1'048'577, L'y');
    BSTR text = SysAllocStringLen(longest.data(), 1'048'576), tooLong = SysAllocStringLen(longer.data(), 1'048'577);
    EXPECT_EQ(button->put_ButtonCaption(text), S_OK);
    EXPECT_EQ(button->put_ButtonCaption(tooLong), static_cast<HRESULT>(0x800A017C)) << "invalid property value";
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
    ASSERT_EQ(button.query<IPersistStreamInit>()->Save(stream.get(), TRUE), S_OK);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(copy.query<IPersistStreamInit>()->Load(stream.get()), S_OK);
    BSTR read = nullptr;
    ASSERT_EQ(copy->get_ButtonCaption(&read), S_OK);
    EXPECT_TRUE(std::wstring(read, SysStringLen(read)) == longest) << "the refused caption left the stored one";
    for (BSTR allocated : {text, tooLong, read}) SysFreeString(allocated);
}

const CLSID kForeign = {0x6B1E3A52, 0x0C4D, 0x4F7A, {0x9E, 0x11, 0x42, 0x5D, 0x8A, 0x3B, 0x70, 0x21}};
// A class of the test's own, registered for the test: it counts what is made of it.
class CountingFactory final : public StackObject<IClassFactory, &IID_IClassFactory> {
public:
    int created = 0;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** object) override {
        *object = (++created, nullptr);
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// The button's stream, holding one picture of the class given, `depth` times nested in itself.
ComPtr<IStream> StoredObject(const CLSID& clsid, int depth) {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
    const std::wstring name = L"ButtonPicture";
    for (int level = 0; level < depth; ++level) {
        const std::uint32_t head[] = {1, 1, static_cast<std::uint32_t>(name.size())};
        const std::uint16_t object = 4;
        stream->Write(head, sizeof head, nullptr);
        stream->Write(name.data(), static_cast<ULONG>(name.size() * 2), nullptr);
        stream->Write(&object, sizeof object, nullptr);
        WriteClassStm(stream.get(), clsid);
    }
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

TEST_F(DispatchTest, OnlyStandardPicturesAndFontsAreMadeOrTakenFromStoredObjects) {
    CountingFactory foreign;  // a nested button could be made too: the manifest names its class
    DWORD cookie = 0;
    CoRegisterClassObject(kForeign, &foreign, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
    constexpr HRESULT kInvalidValue = static_cast<HRESULT>(0x800A017C);
    EXPECT_EQ(CreateButton<IPersistStreamInit>()->Load(StoredObject(kForeign, 1).get()), kInvalidValue);
    EXPECT_EQ(foreign.created, 0);
    EXPECT_EQ(CreateButton<IPersistStreamInit>()->Load(StoredObject(CLSID_cButton, 8000).get()), kInvalidValue);
    CoRevokeClassObject(cookie);

    // An object of a class of its own, refused before it would be a type mismatch.
    MemoryBag bag;
    Write(bag, L"buttonpicture", Object(CreateButton<IDispatch>().get()));
    EXPECT_EQ(CreateButton<IPersistPropertyBag>()->Load(&bag, nullptr), kInvalidValue);
}

}  // namespace
