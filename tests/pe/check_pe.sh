#!/bin/sh
# Static checks of the 32-bit Blinkward.exe, of what running it does not
# show: check_pe.sh <Blinkward.exe> [format|imports|resources|version|manifest]...
# (all when none is named). One line per check; exits 1 when any failed.
# The version, 1.1.0.12 in CMakeLists.txt, is written out below.
set -u
exe=${1:?usage: check_pe.sh <Blinkward.exe> [check...]}
shift
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
text=1.01.0012
failed=0
report() { # report <check> <what is wrong, empty when nothing> <summary>
  if [ -n "$2" ]; then echo "FAIL - $1:$2"; failed=1; else echo "ok   - $1: $3"; fi
}
[ -f "$exe" ] || { echo "FAIL - no such file: $exe"; exit 1; }

check_format() {
  kind=$(file -b "$exe")
  case $kind in *"PE32 executable (GUI) Intel 80386"*) bad="" ;; *) bad=" file says: $kind" ;; esac
  report format "$bad" "$kind"
}

# Only DLLs every Windows ships; the C++ runtime must be linked in statically.
check_imports() {
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
  bad=""
  [ -n "$dlls" ] || bad=" objdump lists no imported DLL"
  for dll in $dlls; do
    case $(echo "$dll" | tr '[:upper:]' '[:lower:]') in
      kernel32.dll | user32.dll | gdi32.dll | shell32.dll | advapi32.dll | comctl32.dll) ;;
      msvcrt.dll | api-ms-win-crt-*.dll) ;;
      *) bad="$bad not-a-system-DLL:$dll" ;;
    esac
  done
  report imports "$bad" "$(echo "$dlls" | paste -sd ' ' -)"
}

# "type id" pairs, in decimal: objdump indents type entries by three spaces
# and the names under them by five.
check_resources() {
  pairs=$("$objdump" -p "$exe" | awk '/Resource Directory section/ { on = 1 }
      on && /^[0-9a-f]+   Entry: ID:/ { type = $4 }
      on && /^[0-9a-f]+     Entry: ID:/ { print type, $4 }' | tr -d ',' |
    while read -r type id; do echo "$((type)) $((id))"; done)
  bad=""
  echo "$pairs" | grep -q '^3 ' || bad=" no-icon-images"
  # The application icon, the three tray pictures, the stopwatch's frames
  # packed in one RCDATA (10), the version record and the manifest.
  for pair in "14 1" "14 101" "14 102" "14 103" "10 201" "16 1" "24 1"; do
    echo "$pairs" | grep -qx "$pair" || bad="$bad missing-$pair"
  done
  # The frames are not also there as icons.
  extra=$(echo "$pairs" | grep '^14 ' | grep -vx -e '14 1' -e '14 10[123]' | tr ' \n' '/ ')
  [ -z "$extra" ] || bad="$bad extra-group-icons:$extra"
  report resources "$bad" "group icons 1, 101-103, frames 10/201, version 16/1, manifest 24/1"
}

check_version() {
  bad=""
  for pair in FileVersion=$text ProductVersion=$text FileDescription=Blinkward \
    ProductName=Blinkward InternalName=Blinkward OriginalFilename=Blinkward.exe; do
    got=$(strings -el "$exe" | grep -A1 -x "${pair%%=*}" | sed -n 2p)
    [ "$got" = "${pair#*=}" ] || bad="$bad ${pair%%=*}='$got'"
  done
  strings -el "$exe" | grep -qx 040904B0 || bad="$bad no-string-block-040904B0"
  bytes=$(od -An -v -tx1 "$exe" | tr -s ' \n' '  ')
  # VS_FIXEDFILEINFO: signature, structure version, file and product version
  # 1.1.0.12 (each as minor, major, revision, patch in 16-bit little-endian
  # words), flag mask and flags, FILEOS VOS__WINDOWS32, FILETYPE VFT_APP.
  echo "$bytes" | grep -Eq "bd 04 ef fe 00 00 01 00 (01 00 01 00 0c 00 00 00 ){2}(.. ){8}04 00 00 00 01 00 00 00" ||
    bad="$bad fixed-info-not-1.1.0.12-VOS__WINDOWS32-VFT_APP"
  # "Translation" in UTF-16, its padding, then language 0x0409 and code page 1200.
  echo "$bytes" | grep -Eq "54 00 72 00 61 00 6e 00 73 00 6c 00 61 00 74 00 69 00 6f 00 6e 00 00 00 (00 00 )?09 04 b0 04" ||
    bad="$bad translation-not-0409/1200"
  report version "$bad" "1.1.0.12 / \"$text\", Blinkward.exe, 040904B0"
}

check_manifest() {
  manifest=$(strings -n 4 "$exe" | sed -n '/<assembly/,/<\/assembly>/p' | tr '\n' ' ')
  dependency=$(echo "$manifest" | sed -n 's:.*<dependentAssembly>\(.*\)</dependentAssembly>.*:\1:p')
  bad=""
  for attr in 'name="Microsoft.Windows.Common-Controls"' 'version="6.0.0.0"' 'type="win32"' \
    'processorArchitecture="\*"' 'language="\*"' 'publicKeyToken="6595b64144ccf1df"'; do
    echo "$dependency" | grep -q "$attr" || bad="$bad dependency-lacks-$attr"
  done
  echo "$manifest" | grep -q '<description>Enter your Description Here</description>' ||
    bad="$bad no-description"
  echo "$manifest" | grep -q '<dpiAware[^>]*>true</dpiAware>' || bad="$bad not-dpi-aware"
  # No elevation: asking for any level would change how Windows starts it.
  echo "$manifest" | grep -q requestedExecutionLevel && bad="$bad asks-for-an-execution-level"
  report manifest "$bad" "depends on Microsoft.Windows.Common-Controls 6.0.0.0"
}

for check in ${*:-format imports resources version manifest}; do
  case $check in
    format | imports | resources | version | manifest) check_$check ;;
    *) report "$check" " unknown check" "" ;;
  esac
done
exit $failed
