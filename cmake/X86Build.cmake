# The 64-bit build also needs the 32-bit Kalvex3.exe and Vantor1.dll: the setup carries both
# bitnesses, and the side-by-side registration test registers both. They are built by the
# windows32 preset in its own tree (configured on first use), which that preset's tests use
# as well, so each 32-bit binary is compiled once.
set(KX_X86_BINARY_DIR ${CMAKE_BINARY_DIR}32 CACHE PATH "Build tree of the 32-bit Windows binaries")
set(KX_X86_KALVEX3 ${KX_X86_BINARY_DIR}/app/Kalvex3.exe)
set(KX_X86_VANTOR1 ${KX_X86_BINARY_DIR}/button/win32/Vantor1.dll)

add_custom_target(x86_binaries
  COMMAND sh -c "[ -f '${KX_X86_BINARY_DIR}/CMakeCache.txt' ] || cmake --preset windows32 -B '${KX_X86_BINARY_DIR}' >/dev/null"
  COMMAND ${CMAKE_COMMAND} --build ${KX_X86_BINARY_DIR} --target Kalvex3 Vantor1
  BYPRODUCTS ${KX_X86_KALVEX3} ${KX_X86_VANTOR1}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Building the 32-bit Kalvex3.exe and Vantor1.dll in ${KX_X86_BINARY_DIR}"
  USES_TERMINAL
  VERBATIM)
