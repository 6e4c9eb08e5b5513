#pragma once
// The button's properties in a container's stream: a version, the number of values, then
// each value's name, kind and content; fonts and pictures save themselves in place.

#include <windows.h>

#include <objidl.h>

#include "button/property_map.h"

namespace button {

void SaveProperties(IStream* stream, const PropertyMap& properties);
// Fails with ControlError on a stream that ends early or does not hold this format.
PropertyMap LoadProperties(IStream* stream);

}  // namespace button
