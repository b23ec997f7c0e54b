#!/bin/sh
# Static checks of the 32-bit Blinkward.exe, which cannot run on the build
# machine: its header, the DLLs it imports and the resources compiled into it.
#
#   check_pe.sh <Blinkward.exe> [format] [imports] [resources] [version] [manifest]
#
# With no check named, runs them all. Prints one line per check and exits 1
# when any of them failed.
set -u

exe=${1:?usage: check_pe.sh <Blinkward.exe> [check...]}
shift
checks=${*:-format imports resources version manifest}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
failed=0

pass() { echo "ok   - $*"; }
fail() {
  echo "FAIL - $*"
  failed=1
}

for tool in file "$objdump" strings od grep sed tr awk; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL - $tool is not installed"; exit 1; }
done
[ -f "$exe" ] || { echo "FAIL - no such file: $exe"; exit 1; }

# The whole file as one line of hex bytes: " 4d 5a 90 00 ...".
hex_bytes() { od -An -v -tx1 "$exe" | tr -s ' \n' '  '; }

check_format() {
  kind=$(file -b "$exe")
  case $kind in
    *"PE32 executable (GUI) Intel 80386"*) pass "format: $kind" ;;
    *) fail "format: expected a 32-bit GUI exe for Intel 80386, file says: $kind" ;;
  esac
}

check_imports() {
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
  [ -n "$dlls" ] || { fail "imports: objdump lists no imported DLL"; return; }
  bad=""
  for dll in $dlls; do
    # Only DLLs every Windows ships; the C++ runtime must be linked in statically.
    case $(echo "$dll" | tr '[:upper:]' '[:lower:]') in
      kernel32.dll | user32.dll | gdi32.dll | shell32.dll | advapi32.dll | comctl32.dll) ;;
      msvcrt.dll | api-ms-win-crt-*.dll) ;;
      *) bad="$bad $dll" ;;
    esac
  done
  if [ -n "$bad" ]; then
    fail "imports: not a system DLL:$bad"
  else
    pass "imports: system DLLs only: $(echo "$dlls" | paste -sd ' ' -)"
  fi
}

# "type id" pairs, in decimal, of every named resource: objdump indents the
# type entries by three spaces and the name entries under them by five.
resource_pairs() {
  "$objdump" -p "$exe" |
    awk '/Resource Directory section/ { on = 1 }
         on && /^[0-9a-f]+   Entry: ID:/ { type = $4 }
         on && /^[0-9a-f]+     Entry: ID:/ { print type, $4 }' |
    tr -d ',' |
    while read -r type id; do echo "$((type)) $((id))"; done
}

check_resources() {
  pairs=$(resource_pairs)
  [ -n "$pairs" ] || { fail "resources: no resource directory"; return; }
  missing=""
  icons=$(echo "$pairs" | grep -c '^3 ')
  [ "$icons" -gt 0 ] || missing="$missing icon-images(type 3)"
  # Group icons: the application icon, the three tray pictures, the 24 stopwatch frames.
  for id in 1 101 102 103 $(seq 201 224); do
    echo "$pairs" | grep -qx "14 $id" || missing="$missing group-icon-$id"
  done
  echo "$pairs" | grep -qx "16 1" || missing="$missing version(16/1)"
  echo "$pairs" | grep -qx "24 1" || missing="$missing manifest(24/1)"
  if [ -n "$missing" ]; then
    fail "resources: missing$missing"
  else
    pass "resources: $icons icon images, group icons 1, 101-103, 201-224, version 16/1, manifest 24/1"
  fi
}

# The value that follows a key in the UTF-16 string table of the version record.
version_value() { strings -el "$exe" | grep -A1 -x "$1" | sed -n 2p; }

check_version() {
  bad=""
  for pair in FileVersion=1.01.0012 ProductVersion=1.01.0012 FileDescription=Blinkward \
    ProductName=Blinkward InternalName=Blinkward OriginalFilename=Blinkward.exe; do
    key=${pair%%=*} want=${pair#*=}
    got=$(version_value "$key")
    [ "$got" = "$want" ] || bad="$bad $key='$got'(want '$want')"
  done
  strings -el "$exe" | grep -qx 040904B0 || bad="$bad no-string-block-040904B0"
  bytes=$(hex_bytes)
  # VS_FIXEDFILEINFO: signature, structure version, file and product version
  # 1.1.0.12, flag mask and flags, then FILEOS VOS__WINDOWS32 and FILETYPE VFT_APP.
  fixed="bd 04 ef fe 00 00 01 00 01 00 01 00 0c 00 00 00 01 00 01 00 0c 00 00 00"
  echo "$bytes" | grep -Eq "$fixed (.. ){8}04 00 00 00 01 00 00 00" ||
    bad="$bad fixed-info-not-1.1.0.12-VOS__WINDOWS32-VFT_APP"
  # "Translation" in UTF-16, its padding, then language 0x0409 and code page 1200 (0x04B0).
  translation="54 00 72 00 61 00 6e 00 73 00 6c 00 61 00 74 00 69 00 6f 00 6e 00 00 00"
  echo "$bytes" | grep -Eq "$translation (00 00 )?09 04 b0 04" || bad="$bad translation-not-0409/1200"
  if [ -n "$bad" ]; then
    fail "version:$bad"
  else
    pass "version: 1.1.0.12 / \"1.01.0012\", Blinkward.exe, 040904B0, language 0x0409 code page 1200"
  fi
}

check_manifest() {
  manifest=$(strings -n 4 "$exe" | sed -n '/<assembly/,/<\/assembly>/p' | tr '\n' ' ')
  [ -n "$manifest" ] || { fail "manifest: no <assembly> text in the exe"; return; }
  dependency=$(echo "$manifest" | sed -n 's:.*<dependentAssembly>\(.*\)</dependentAssembly>.*:\1:p')
  bad=""
  for attr in 'name="Microsoft.Windows.Common-Controls"' 'version="6.0.0.0"' 'type="win32"' \
    'processorArchitecture="\*"' 'language="\*"' 'publicKeyToken="6595b64144ccf1df"'; do
    echo "$dependency" | grep -q "$attr" || bad="$bad dependency-lacks-$attr"
  done
  echo "$manifest" | grep -q '<description>Enter your Description Here</description>' ||
    bad="$bad no-description"
  # The program needs no elevation; asking for any level would change how Windows starts it.
  echo "$manifest" | grep -q requestedExecutionLevel && bad="$bad asks-for-an-execution-level"
  if [ -n "$bad" ]; then
    fail "manifest:$bad"
  else
    pass "manifest: depends on Microsoft.Windows.Common-Controls 6.0.0.0"
  fi
}

for check in $checks; do
  case $check in
    format) check_format ;;
    imports) check_imports ;;
    resources) check_resources ;;
    version) check_version ;;
    manifest) check_manifest ;;
    *) fail "unknown check: $check" ;;
  esac
done
exit $failed
