# Windows builds (MinGW): what every target of the program is compiled and
# linked with. The targets are in src/win32, the tests in windows-tests.cmake.
set(BLINKWARD_WINVER 0x0501)  # Windows XP: the oldest system the program supports
set(BLINKWARD_WIN_DEFS WINVER=${BLINKWARD_WINVER} _WIN32_WINNT=${BLINKWARD_WINVER}
    WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
set(BLINKWARD_STATIC_LINK -static -static-libgcc -static-libstdc++)
# The same sources give the same exe wherever and whenever they are built: no
# folder of the build's in the code (file names of asserts and the like), no
# link time in the PE header.
set(BLINKWARD_SAME_BYTES -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
    -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
add_compile_options(${BLINKWARD_SAME_BYTES})
add_link_options(LINKER:--no-insert-timestamp)
# Size: unused functions drop out at link time, code that never throws needs
# no unwind tables, and a small function called twice is called, not copied.
# The release build (MinSizeRel) picks the shorter instruction even where it
# is the slower one (-Oz): nothing the program does is bound by its own code.
set(BLINKWARD_SIZE_FLAGS -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables
    -fno-unwind-tables -fno-threadsafe-statics -fno-inline-small-functions
    $<$<CONFIG:MinSizeRel>:-Oz>)
# Windows gives 32-bit code 4-byte stack alignment only, and the program has
# no SSE code to want more: no function realigns or pads its frame.
# Arguments are pushed, not stored into space the prologue reserved: GCC
# reserves it only so that a probe could check a frame of 4000 bytes or more
# against the stack's guard page, and the build refuses such a frame, as each
# smaller one touches no page past the guard. No frame pointer either: no
# debugger walks the release build's stack, which has no unwind tables anyway.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND BLINKWARD_SIZE_FLAGS -mpreferred-stack-boundary=2 -mno-stack-arg-probe
    -Werror=frame-larger-than=3999 -fomit-frame-pointer)
endif()
