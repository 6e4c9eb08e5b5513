# How test executables are registered. Natively each test case is its own CTest test. Under
# Wine each test executable runs once, all its cases in one process: a Wine process costs far
# more than a case, and GoogleTest's output names the case that failed. Every test under Wine
# needs its prefix's fixture, which makes the prefix and starts its server first.
include(GoogleTest)

# kx_wine_prefix(<fixture> <prefix> <loader>): wine-run.sh (runs a program in <prefix>) and
# wine-prefix.sh in the current binary folder, and the fixture <fixture>: a setup test that
# makes <prefix> and its one persistent Wine server, and a cleanup test that ends that server.
function(kx_wine_prefix fixture prefix loader)
  set(KX_WINEPREFIX ${prefix})
  set(KX_WINE_LOADER ${loader})
  foreach(script wine-run wine-prefix)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${script}.sh.in ${CMAKE_CURRENT_BINARY_DIR}/${script}.sh
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE
                   @ONLY)
  endforeach()
  add_test(NAME ${fixture}.make COMMAND ${CMAKE_CURRENT_BINARY_DIR}/wine-prefix.sh make)
  add_test(NAME ${fixture}.end COMMAND ${CMAKE_CURRENT_BINARY_DIR}/wine-prefix.sh end)
  set_tests_properties(${fixture}.make PROPERTIES FIXTURES_SETUP ${fixture} TIMEOUT 300)
  set_tests_properties(${fixture}.end PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

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
  kx_wine_prefix(wine_prefix ${KX_WINEPREFIX} ${KX_WINE_LOADER})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

  # Some hosts run no 32-bit user code at all (their kernel's IA-32 emulation is off): 32-bit
  # Wine cannot start there, nor any 32-bit Windows program, the setup among them.
  find_program(KX_WINE32_LOADER NAMES wine REQUIRED)
  execute_process(COMMAND ${KX_WINE32_LOADER} --version RESULT_VARIABLE x86_status OUTPUT_QUIET ERROR_QUIET)
  if(x86_status EQUAL 0)
    set(KX_HOST_RUNS_X86 ON)
  else()
    set(KX_HOST_RUNS_X86 OFF)
    message(WARNING "This host runs no 32-bit programs: the tests that need 32-bit Wine are disabled.")
  endif()
endif()

# kx_needs_x86_host(<tests...>): tests that run 32-bit Windows programs; on a host that runs
# no 32-bit code they are disabled, which CTest reports on every run.
function(kx_needs_x86_host)
  if(NOT KX_HOST_RUNS_X86)
    set_tests_properties(${ARGN} PROPERTIES DISABLED TRUE)
  endif()
endfunction()

# kx_add_gtest(<target> SOURCES <files...> [LIBS <libs...>])
function(kx_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
  # Tests of the Windows layer live in win32 folders, as the layer itself does.
  if(CMAKE_CURRENT_SOURCE_DIR MATCHES "/win32$")
    kx_precompile_windows_headers(${target})
  endif()
  if(CMAKE_CROSSCOMPILING)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${target} PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED wine_prefix)
  else()
    gtest_discover_tests(${target} TEST_PREFIX "${target}." DISCOVERY_TIMEOUT 60
                         WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
endfunction()
