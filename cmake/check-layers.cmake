# Fails when a file includes something that is not below it. The folders of
# src/, bottom up, each a layer:
#   ports/ words/ text/                    the ground: the interfaces, the words,
#                                          text as the program reads and writes it
#   screensaver/ notes/ hours/             shared services
#   tray/ timed/ hold/ settings/ command/  the features
#   app/                                   the composition root
#   win32/                                 everything that includes <windows.h>
# A folder includes itself and the layers below it, never one beside it nor
# above; outside win32/, never a platform header. In win32/, only the
# composition includes app/. A folder this check does not
# know fails it, so that none slips past. Every spelling counts: quotes or
# angle brackets, "../", any spacing, any case. The native build stays the
# guard against a platform header reached some other way.
# Run as: cmake -DSOURCE_DIR=<src> -P check-layers.cmake
cmake_minimum_required(VERSION 3.25)
set(layers "ports words text" "screensaver notes hours" "tray timed hold settings command" "app" "win32")
set(known "")
set(level 0)
foreach(layer IN LISTS layers)
  string(REPLACE " " ";" names "${layer}")
  foreach(name IN LISTS names)
    set(level_${name} ${level})
    list(APPEND known "${name}")
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()
# Generated beside the build, not a folder of src/.
set(generated "version_info.h")

set(found "")
file(GLOB entries LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(folder IN LISTS entries)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
    continue()
  endif()
  if(NOT folder IN_LIST known)
    string(APPEND found "\n  src/${folder}/ is a folder this check does not know: give it a layer")
    continue()
  endif()
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*")
  foreach(file IN LISTS files)
    if(NOT file MATCHES "\\.(h|hh|hpp|c|cc|cpp|cxx|inl|ipp|in)$")
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
      if(folder STREQUAL "win32")
        # It may include anything; the logic's composition root only where
        # the program is put together.
        if(top STREQUAL "app" AND NOT name MATCHES "^win32/composition\\.")
          set(why "app/, which only the composition includes")
        endif()
      elseif(lower MATCHES "^\\.\\./")
        set(why "a file outside src/")
      elseif(NOT top IN_LIST known)
        # The standard library's headers have no extension; the one header
        # of the program outside src/ is generated with the build.
        if(bracket STREQUAL "<" AND lower MATCHES "\\.|/")
          set(why "a platform header")
        elseif(bracket STREQUAL "\"" AND NOT lower STREQUAL generated)
          set(why "a header outside the program")
        endif()
      elseif(top STREQUAL "win32")
        set(why "the Win32 layer")
      elseif(NOT top STREQUAL folder AND NOT level_${top} LESS level_${folder})
        if(level_${top} EQUAL level_${folder})
          set(why "${top}/, a folder beside it")
        else()
          set(why "${top}/, a folder above it")
        endif()
      endif()
      if(why)
        string(APPEND found "\n  src/${name} includes ${why}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "A file includes something that is not below it:${found}")
endif()
