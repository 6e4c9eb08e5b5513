# How test executables are registered: natively each test case is its own CTest test;
# under Wine the same is done from the sources, so that nothing runs at configure time.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  # With 32-bit Wine installed, Debian's `wine` is the 32-bit loader, which hands a 64-bit GUI
  # program to a process of its own and returns at once: its process id and exit code would
  # be lost. A 64-bit build runs under the 64-bit loader.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    find_program(KX_WINE_LOADER NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
  else()
    find_program(KX_WINE_LOADER NAMES wine REQUIRED)
  endif()
  set(KX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
                 @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

# kx_add_gtest(<target> SOURCES <files...> [LIBS <libs...>])
function(kx_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})
    gtest_add_tests(TARGET ${target} SOURCES ${ARG_SOURCES} TEST_PREFIX "${target}." TEST_LIST added)
    set_tests_properties(${added} PROPERTIES TIMEOUT 120 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                                             SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  else()
    gtest_discover_tests(${target} TEST_PREFIX "${target}." DISCOVERY_TIMEOUT 60
                         WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
endfunction()
