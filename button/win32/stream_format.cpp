#include "button/win32/stream_format.h"

#include <ole2.h>

#include <cstdint>

#include "button/button.h"
#include "button/win32/check.h"
#include "button/win32/variant_values.h"

namespace button {
namespace {

constexpr std::uint32_t kFormatVersion = 1;
// Limits beyond which the stream is not one of ours. No text is longer than the longest
// caption, which the button refuses to exceed, so every stream it writes reads back.
constexpr std::uint32_t kMaxValues = 256;
constexpr std::uint32_t kMaxTextLength = cButton::kMaxCaptionLength;

enum Kind : std::uint16_t { kNoObject = 0, kInteger = 1, kBoolean = 2, kText = 3, kObject = 4 };

void WriteBytes(IStream* stream, const void* data, ULONG size) {
    ULONG written = 0;
    Check(stream->Write(data, size, &written));
    if (written != size) Check(STG_E_WRITEFAULT);
}

template <class T>
void WriteScalar(IStream* stream, T value) {
    WriteBytes(stream, &value, sizeof(value));
}

void WriteText(IStream* stream, const std::wstring& text) {
    WriteScalar(stream, static_cast<std::uint32_t>(text.size()));
    WriteBytes(stream, text.data(), static_cast<ULONG>(text.size() * sizeof(wchar_t)));
}

void ReadBytes(IStream* stream, void* data, ULONG size) {
    ULONG read = 0;
    Check(stream->Read(data, size, &read));
    if (read != size) Check(STG_E_READFAULT);
}

template <class T>
T ReadScalar(IStream* stream) {
    T value{};
    ReadBytes(stream, &value, sizeof(value));
    return value;
}

std::wstring ReadText(IStream* stream) {
    const auto length = ReadScalar<std::uint32_t>(stream);
    if (length > kMaxTextLength) Check(STG_E_DOCFILECORRUPT);
    std::wstring text(length, L'\0');
    ReadBytes(stream, text.data(), static_cast<ULONG>(length * sizeof(wchar_t)));
    return text;
}

void WriteValue(IStream* stream, const PropertyValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        WriteScalar(stream, kInteger);
        WriteScalar(stream, *number);
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        WriteScalar(stream, kBoolean);
        WriteScalar(stream, static_cast<std::uint8_t>(*flag));
    } else if (const auto* text = std::get_if<std::wstring>(&value)) {
        WriteScalar(stream, kText);
        WriteText(stream, *text);
    } else if (std::holds_alternative<NoObject>(value)) {
        WriteScalar(stream, kNoObject);
    } else {
        platform::ComPtr<IPersistStream> persist = ObjectOf(value).query<IPersistStream>();
        if (!persist) Check(E_NOINTERFACE);
        WriteScalar(stream, kObject);
        Check(OleSaveToStream(persist.get(), stream));
    }
}

PropertyValue ReadValue(IStream* stream) {
    switch (ReadScalar<std::uint16_t>(stream)) {
        case kInteger:
            return ReadScalar<std::int32_t>(stream);
        case kBoolean:
            return ReadScalar<std::uint8_t>(stream) != 0;
        case kText:
            return ReadText(stream);
        case kNoObject:
            return NoObject{};
        case kObject:
            return FromObject(LoadStoredObject(stream).get());
        default:
            Check(STG_E_DOCFILECORRUPT);
            return NoObject{};
    }
}

}  // namespace

void SaveProperties(IStream* stream, const PropertyMap& properties) {
    WriteScalar(stream, kFormatVersion);
    WriteScalar(stream, static_cast<std::uint32_t>(properties.entries().size()));
    for (const auto& [name, value] : properties.entries()) {
        WriteText(stream, name);
        WriteValue(stream, value);
    }
}

PropertyMap LoadProperties(IStream* stream) {
    if (ReadScalar<std::uint32_t>(stream) != kFormatVersion) Check(STG_E_OLDFORMAT);
    const auto count = ReadScalar<std::uint32_t>(stream);
    if (count > kMaxValues) Check(STG_E_DOCFILECORRUPT);
    PropertyMap properties;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::wstring name = ReadText(stream);
        properties.Write(name, ReadValue(stream));
    }
    return properties;
}

}  // namespace button
