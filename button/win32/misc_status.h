#pragma once
// How cButton wants containers to treat it: sized, activated in place as soon as it is
// visible, and given its client site before it is initialised.

#include <windows.h>

#include <oleidl.h>

namespace button {

inline constexpr DWORD kButtonMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                                           OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;

}  // namespace button
