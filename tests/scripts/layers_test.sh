#!/usr/bin/env bash
# The layer check (cmake/check-layers.cmake) over a small tree of its own: each
# kind of include that does not reach down, in any spelling and any kind of
# source file, fails and names its file; a folder the check does not know
# fails too; what the layers allow passes.
#   layers_test.sh <source dir>
set -u
check=${1:?usage: layers_test.sh <source dir>}/cmake/check-layers.cmake
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failed=0
try() { # FOLDER INCLUDE-LINE bad|good [EXTENSION [NAME]]
  rm -rf "${tree:?}"/*
  mkdir -p "$tree"/{ports,app,tray,words,win32} "$tree/$1"
  touch "$tree"/{ports/timer.h,app/app.h,tray/icon.h,words/words.h,win32/shell.h}
  local file=$1/${5:-x}.${4:-cpp} out rc
  printf '%b\n' "$2" >"$tree/$file"
  out=$(cmake -DSOURCE_DIR="$tree" -P "$check" 2>&1)
  rc=$?
  if [ "$3" = bad ] && { [ "$rc" = 0 ] || ! grep -q "src/$file includes" <<<"$out"; }; then
    echo "FAIL - not caught in $file: $2"
    failed=1
  elif [ "$3" = good ] && [ "$rc" != 0 ]; then
    echo "FAIL - refused in $file: $2: $out"
    failed=1
  fi
}
for line in '#include "../win32/shell.h"' '#include <win32/shell.h>' '#  include\t"win32/shell.h"' \
  '  #\tinclude< Win32/shell.h >' '#include <Windows.h>' '#include "WINDOWS.H"' \
  '#include "app/../win32/shell.h"' '#include "../app/app.h"' '#include <app/app.h>' \
  '#include "hold/hold.h"' '#include "../Timed/clock.h"'; do
  try tray "$line" bad
done
for ext in inl ipp hh cxx; do try tray '#include "app/app.h"' bad $ext; done
try notes '#include <shellapi.h>' bad
try ports '#include "tray/icon.h"' bad
try ports '#include "../words/words.h"' bad
try app '#include "../../tests/fake.h"' bad
for line in '#include "win32/shell.h"' '#include <commctrl.h>'; do try app "$line" bad; done
for line in '#include "ports/timer.h"' '#include <string_view>' '#include "words/words.h"' \
  '#include "version_info.h"' '#include "x.cpp"' '#include "notes/logon_note.h"'; do
  try tray "$line" good
done
try app '#include "tray/icon.h"' good
try win32 '#include <windows.h>\n#include "app/app.h"' bad
try win32 '#include <windows.h>\n#include "app/app.h"' good cpp composition
rm -rf "${tree:?}"/* && mkdir "$tree/newfeature" && touch "$tree/newfeature/x.cpp"
cmake -DSOURCE_DIR="$tree" -P "$check" 2>&1 | grep -q "src/newfeature/ is a folder" ||
  { echo "FAIL - a folder the check does not know passed: src/newfeature/" && failed=1; }
exit $failed
