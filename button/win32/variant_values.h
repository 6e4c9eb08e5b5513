#pragma once
// The property store's values as automation VARIANTs and objects, and back. Fonts and
// pictures travel as the platform's standard font and picture objects.

#include <windows.h>

#include <oaidl.h>

#include "button/property_value.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/scoped_variant.h"

namespace button {

using platform::Variant;

// Numbers of every width become 32-bit integers; what fits no property is a type mismatch.
PropertyValue FromVariant(const VARIANT& value);
void ToVariant(const PropertyValue& value, VARIANT* out);  // out must be empty

// Null is no object; a font or picture object is wrapped; anything else is a type mismatch.
PropertyValue FromObject(IUnknown* object);
// A stored value holds a standard picture or a standard font and nothing else: any other
// class is an invalid property value. From a stream, the class is read first and nothing of
// another class is ever created, so that a stored object can neither make the button create
// whatever is registered nor nest objects in objects until the stack ends.
platform::ComPtr<IUnknown> LoadStoredObject(IStream* stream);
// Of an object a property bag made: refused unless its class is one of the two.
void CheckStoredObject(IUnknown* object);
// The dispatch interface of a font or picture value, null for no object.
platform::ComPtr<IDispatch> ObjectOf(const PropertyValue& value);

}  // namespace button
