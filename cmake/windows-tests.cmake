# The Windows test tiers, included by the top CMakeLists.txt on Windows builds.
#
# GoogleTest programs built with MinGW and run by CTest under Wine (cmake/wine-run
# is the emulator; scripts/test starts the Wine session). x86_64 runs on the
# host's Wine; i686, the release build, under Wine's WoW64 build in a Debian sid
# root (scripts/lib/wow64-root.sh), since these machines exec no 32-bit Linux
# program:
#   win32_tests  tests/win32/*.cpp against the real platform layer, in-process
#   e2e_tests    tests/e2e/*.cpp: starts the real Blinkward.exe and drives it
#                from outside, as the shell and other programs would
#   listed_program  tests/e2e/listed_program.c: a program the user lists (or one
#                that plays a tone), which the tests start under other file
#                names, beside Blinkward.exe
#   tray_probe   tools/tray_probe: reads Wine's notification area for scripts/run;
#                the end-to-end tests link its reader
# i686 also has tests/pe, static checks of the exe's headers, imports and
# resources, in build/win32/pe, and i686_probe, which tells the scripts whether
# this machine runs 32-bit x86 code at all; x86_64 has its twin x86_64_probe,
# which must run under the same Wine before the probe's death means that. The
# tests run under Wine have the label "wine".

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  add_subdirectory(${CMAKE_SOURCE_DIR}/cmake/pe-checks pe)
  set(cpu_probe i686_probe)
else()
  set(cpu_probe x86_64_probe)
endif()
add_executable(${cpu_probe} ${CMAKE_SOURCE_DIR}/tools/i686_probe/i686_probe.c)
target_link_options(${cpu_probe} PRIVATE ${BLINKWARD_STATIC_LINK} -s)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# One CTest test per GoogleTest case, listed at test time (inside the Wine
# session of scripts/test, so the build itself never starts Wine).
# - A crashing program can exit with status 0 under Wine: a crash report fails
#   the test, and so does output without GoogleTest's own "1 test passed". A
#   test that runs copies of its program (the resolution test) prints theirs
#   too: any "FAILED" fails it, whatever else passed.
# - The tests share one display, one desktop and the screen-saver flag: serial.
# - Skipped tests (GTEST_SKIP) show as skipped: GoogleTest's module sees to it.
function(blinkward_add_wine_tests target prefix timeout)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    TEST_PREFIX ${prefix}
    NO_PRETTY_VALUES
    PROPERTIES
      TIMEOUT ${timeout}
      RUN_SERIAL TRUE
      FAIL_REGULAR_EXPRESSION "Unhandled (exception|page fault)|\\[  FAILED  \\]"
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\."
      LABELS wine
      ${ARGN})
endfunction()

# The program's libraries carry link-time-optimisation code beside their
# ordinary code (src/win32): the tests link the ordinary code.
function(blinkward_windows_test_exe target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_link_options(${target} PRIVATE ${BLINKWARD_STATIC_LINK} -fno-use-linker-plugin)
endfunction()

# A program the user lists, started by the tests under other file names.
add_executable(listed_program WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/listed_program.c)
target_compile_options(listed_program PRIVATE -Wall -Wextra)
target_link_options(listed_program PRIVATE ${BLINKWARD_STATIC_LINK} -s)
target_link_libraries(listed_program PRIVATE winmm)
set_target_properties(listed_program PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Win32 tier: the real platform layer, in-process. The program's resources are
# linked in too, so that its windows find their icons and the manifest.
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(win32_tests ${WIN32_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/src/win32/res/blinkward.rc)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32
  ${CMAKE_SOURCE_DIR}/tools/tray_probe)
# The drawn pictures, which the program's own must match (Z: is the Unix root).
target_compile_definitions(win32_tests PRIVATE ART_RES_DIR="Z:${CMAKE_SOURCE_DIR}/src/win32/res")
target_link_libraries(win32_tests PRIVATE blinkward_win32 shlwapi GTest::gtest_main GTest::gmock)
blinkward_windows_test_exe(win32_tests)
add_dependencies(win32_tests listed_program)
blinkward_add_wine_tests(win32_tests win32. 60)

# End-to-end tier: the real Blinkward.exe, driven from another process.
add_library(e2e_support STATIC ${CMAKE_SOURCE_DIR}/tools/tray_probe/tray.cpp)
target_include_directories(e2e_support PUBLIC ${CMAKE_SOURCE_DIR}/tools/tray_probe)
# The outside drivers are tools, not the product: they may use Vista's API.
target_compile_definitions(e2e_support PUBLIC WINVER=0x0600 _WIN32_WINNT=0x0600 NOMINMAX STRICT)
target_compile_options(e2e_support PRIVATE -Wall -Wextra)
target_link_libraries(e2e_support PUBLIC comctl32 shell32 user32 gdi32 advapi32 kernel32)

add_executable(tray_probe ${CMAKE_SOURCE_DIR}/tools/tray_probe/tray_probe.cpp)
target_link_libraries(tray_probe PRIVATE e2e_support)
blinkward_windows_test_exe(tray_probe)

file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
# The program's own text conversion, for its names and words.
add_executable(e2e_tests ${E2E_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/src/win32/text.cpp)
# The program's names, words and numbers, from its own headers.
target_link_libraries(e2e_tests PRIVATE e2e_support blinkward_logic GTest::gtest_main)
blinkward_windows_test_exe(e2e_tests)
add_dependencies(e2e_tests Blinkward listed_program)
blinkward_add_wine_tests(e2e_tests e2e. 90
  ENVIRONMENT "BLINKWARD_EXE=$<TARGET_FILE:Blinkward>")
# The one test of the user's language, in a Wine process started in Russian.
add_test(NAME e2e.Language COMMAND e2e_tests --gtest_filter=*SpeakTheUsersLanguage)
set_tests_properties(e2e.Language PROPERTIES TIMEOUT 90 RUN_SERIAL TRUE LABELS wine
  FAIL_REGULAR_EXPRESSION "Unhandled (exception|page fault)|\\[  FAILED  \\]|SKIPPED"
  ENVIRONMENT "BLINKWARD_EXE=$<TARGET_FILE:Blinkward>;LANG=ru_RU.UTF-8;LC_ALL=ru_RU.UTF-8")
