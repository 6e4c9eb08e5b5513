#pragma once
// A value in the host's property store, and the conversions the button applies to what it
// reads before handing it to a property: stores may hold numbers as text (or text as
// numbers), as hosts write them.

#include <cstdint>
#include <string>
#include <variant>

#include "button/font.h"
#include "button/picture.h"

namespace button {

// An object reference that refers to nothing.
struct NoObject {
    friend bool operator==(NoObject, NoObject) { return true; }
};

using PropertyValue = std::variant<NoObject, std::int32_t, bool, std::wstring, FontRef, PictureRef>;

// Each fails with ControlError (type mismatch or overflow) when the value cannot be converted.
std::int32_t ToInteger(const PropertyValue& value);
bool ToBoolean(const PropertyValue& value);
std::wstring ToText(const PropertyValue& value);
FontRef ToFont(const PropertyValue& value);
PictureRef ToPicture(const PropertyValue& value);

// Equal kind and value; objects are the same only when they are the same object.
bool SameValue(const PropertyValue& a, const PropertyValue& b);

}  // namespace button
