# 32-bit Windows: what the client itself is, and what 32-bit containers can host.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
