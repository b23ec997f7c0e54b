# Windows build (MinGW): the program, its Win32 tests and its end-to-end tests.
set(BLINKWARD_WINVER 0x0501)  # Windows XP: the oldest system the program supports
set(BLINKWARD_WIN_DEFS WINVER=${BLINKWARD_WINVER} _WIN32_WINNT=${BLINKWARD_WINVER}
    WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
set(BLINKWARD_STATIC_LINK -static -static-libgcc -static-libstdc++)

target_compile_definitions(blinkward_logic PRIVATE ${BLINKWARD_WIN_DEFS})

file(GLOB PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
# The entry point and the runtime replacements belong to the program alone.
list(FILTER PLATFORM_SOURCES EXCLUDE REGEX "/(main|runtime)_win\\.cpp$")
add_library(blinkward_platform STATIC ${PLATFORM_SOURCES})
target_include_directories(blinkward_platform PUBLIC src)
target_compile_definitions(blinkward_platform PUBLIC ${BLINKWARD_WIN_DEFS})
target_compile_options(blinkward_platform PRIVATE -Wall -Wextra -fno-exceptions -fno-rtti)
# comctl32 is loaded at run time, when a window first needs its controls.
target_link_libraries(blinkward_platform PUBLIC blinkward_logic shell32 advapi32 user32 gdi32 kernel32)

add_executable(Blinkward WIN32 src/platform/win32/main_win.cpp src/platform/win32/runtime_win.cpp
  src/app/res/blinkward.rc)
target_compile_options(Blinkward PRIVATE -Wall -Wextra -fno-exceptions -fno-rtti)
target_link_libraries(Blinkward PRIVATE blinkward_platform)
target_link_options(Blinkward PRIVATE ${BLINKWARD_STATIC_LINK} -mwindows -s -Wl,--gc-sections)
# Size: unused functions drop out at link time, and code that never throws
# needs no unwind tables.
set(BLINKWARD_SIZE_FLAGS -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables
    -fno-unwind-tables -fno-threadsafe-statics)
target_compile_options(blinkward_logic PRIVATE ${BLINKWARD_SIZE_FLAGS})
target_compile_options(blinkward_platform PRIVATE ${BLINKWARD_SIZE_FLAGS})
target_compile_options(Blinkward PRIVATE ${BLINKWARD_SIZE_FLAGS})
set_target_properties(Blinkward PROPERTIES OUTPUT_NAME Blinkward)
# The resource compiler's output depends on the pictures and the manifest it
# embeds, which CMake does not see by itself.
file(GLOB BLINKWARD_RESOURCE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/app/res/*.ico ${CMAKE_SOURCE_DIR}/src/app/res/*.manifest)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/app/res/blinkward.rc PROPERTIES
  OBJECT_DEPENDS "${BLINKWARD_RESOURCE_FILES}")

include(cmake/windows-tests.cmake OPTIONAL)
