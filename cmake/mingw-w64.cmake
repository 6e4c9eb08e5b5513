# Cross build for Windows with mingw-w64's posix-thread flavour; the toolchain file of each
# bitness names the processor and the compiler triple before it includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${KX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KX_MINGW_TRIPLE}-windres)
set(KX_WIDL            ${KX_MINGW_TRIPLE}-widl)

set(CMAKE_FIND_ROOT_PATH /usr/${KX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Nothing beyond Windows' own DLLs may be needed at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Small release binaries: unused sections dropped, symbols stripped. The compiler's half,
# "-Os -DNDEBUG -ffunction-sections -fdata-sections", is the windows preset's
# CMAKE_CXX_FLAGS_RELEASE: CMake appends its own "-O3" to an initial value given here, and
# that later -O3 would win.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s -Wl,--gc-sections")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s -Wl,--gc-sections")
