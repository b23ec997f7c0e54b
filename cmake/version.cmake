# The one version number, project(VERSION) in CMakeLists.txt, as the resource
# script, the code and the exe's checks read it: generated/version_info.h and
# BLINKWARD_VERSION_TEXT. The text form pads the minor number to two digits
# and the revision to four ("1.01.0012").
string(LENGTH "${PROJECT_VERSION_MINOR}" digits)
set(minor_text "${PROJECT_VERSION_MINOR}")
if(digits LESS 2)
  string(PREPEND minor_text "0")
endif()
set(revision_text "${PROJECT_VERSION_TWEAK}")
string(LENGTH "${revision_text}" digits)
while(digits LESS 4)
  string(PREPEND revision_text "0")
  math(EXPR digits "${digits} + 1")
endwhile()
set(BLINKWARD_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor_text}.${revision_text}")
# As the settings window's title shows it: "1.01".
set(BLINKWARD_VERSION_SHORT "${PROJECT_VERSION_MAJOR}.${minor_text}")
configure_file(${CMAKE_SOURCE_DIR}/src/words/version_info.h.in generated/version_info.h @ONLY)
# For the release script, which names the zip and the manifests by it.
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")
