// The longest caption the button takes, through a container's stream and back; one
// character more is refused as any invalid value is.

#include <gtest/gtest.h>

#include "com_doubles.h"

using platform::ComPtr;

TEST(CaptionLimitTest, TheLongestCaptionReadsBackFromAStreamAndALongerOneIsRefused) {
    testing_support::Apartment apartment;
    ComPtr<_cButton> button = testing_support::CreateButton<_cButton>(), copy = testing_support::CreateButton<_cButton>();
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
