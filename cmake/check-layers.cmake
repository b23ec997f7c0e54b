# Fails when a file includes something above its layer. Bottom up:
#   ports/   the interfaces: include only ports/ and the standard library;
#   logic    every other folder but win32/: the ports, the logic and the
#            standard library, never win32/ nor a platform header; and
#            outside app/, never app/, the composition root;
#   win32/   anything.
# Every spelling counts: quotes or angle brackets, "../", any spacing, any
# case. The native build stays the guard against a platform header reached
# some other way. Run as: cmake -DSOURCE_DIR=<src> -P check-layers.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB entries LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
set(folders "")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${SOURCE_DIR}/${entry}")
    list(APPEND folders "${entry}")
  endif()
endforeach()
# Generated beside the build, not a folder of src/.
set(generated "version_info.h")

set(found "")
foreach(folder IN LISTS folders)
  if(folder STREQUAL "win32")
    continue()
  endif()
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*")
  foreach(file IN LISTS files)
    if(NOT file MATCHES "\\.(h|hpp|c|cc|cpp|in)$")
      continue()
    endif()
    get_filename_component(here "${file}" DIRECTORY)
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])[ \t]*([^>\"]*[^>\" \t])")
        string(APPEND found "\n  src/${name} has an include this check cannot read: ${line}")
        continue()
      endif()
      set(bracket "${CMAKE_MATCH_1}")
      string(REPLACE "\\" "/" target "${CMAKE_MATCH_2}")
      # Quotes look beside the including file first, then in src/, as the
      # compiler does; angle brackets only in src/ and the system's folders.
      if(bracket STREQUAL "\"" AND EXISTS "${here}/${target}")
        get_filename_component(reached "${here}/${target}" ABSOLUTE)
      else()
        get_filename_component(reached "${SOURCE_DIR}/${target}" ABSOLUTE)
      endif()
      file(RELATIVE_PATH reached "${SOURCE_DIR}" "${reached}")
      string(TOLOWER "${reached}" lower)
      string(REGEX MATCH "^[^/]+" top "${lower}")
      set(why "")
      if(lower MATCHES "^\\.\\./")
        set(why "a file outside src/")
      elseif(NOT top IN_LIST folders)
        # The standard library's headers have no extension; the one header
        # of the program outside src/ is generated with the build.
        if(bracket STREQUAL "<" AND lower MATCHES "\\.|/")
          set(why "a platform header")
        elseif(bracket STREQUAL "\"" AND NOT lower STREQUAL generated)
          set(why "a header outside the program")
        endif()
      elseif(top STREQUAL "win32")
        set(why "the Win32 layer")
      elseif(folder STREQUAL "ports" AND NOT top STREQUAL "ports")
        set(why "the logic, from a port")
      elseif(top STREQUAL "app" AND NOT folder STREQUAL "app")
        set(why "the composition root, from a feature")
      endif()
      if(why)
        string(APPEND found "\n  src/${name} includes ${why}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "A file includes something above its layer:${found}")
endif()
