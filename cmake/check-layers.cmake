# Fails when a file of a lower layer includes one of a higher: the ports
# include nothing of the program, and the logic (app, screensaver, tray,
# timed) reaches Windows only through the ports, never a win32/ header or a
# Windows system header. Run as: cmake -DSOURCE_DIR=<src> -P check-layers.cmake
set(windows_headers "windows|winuser|winbase|winreg|shellapi|commctrl|shlobj|objbase")
set(rules
  "ports|#include +\"(app|screensaver|tray|timed|win32)/|#include +<(${windows_headers})\\.h>"
  "app|#include +\"win32/|#include +<(${windows_headers})\\.h>"
  "screensaver|#include +\"win32/|#include +<(${windows_headers})\\.h>"
  "tray|#include +\"win32/|#include +<(${windows_headers})\\.h>"
  "timed|#include +\"win32/|#include +<(${windows_headers})\\.h>")
set(found "")
foreach(rule IN LISTS rules)
  string(REPLACE "|#" ";#" parts "${rule}")
  list(POP_FRONT parts folder)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
       "${SOURCE_DIR}/${folder}/*.in")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include" "#include" line "${line}")
      foreach(forbidden IN LISTS parts)
        if(line MATCHES "${forbidden}")
          file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
          string(APPEND found "\n  src/${name}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "A lower layer includes a higher one:${found}")
endif()
