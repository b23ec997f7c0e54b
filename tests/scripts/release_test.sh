#!/usr/bin/env bash
# scripts/release run from two clean clones of the checkout's last commit, in
# folders of different names and depths: the same bytes in both, a zip that
# holds the three files a user needs, SHA256SUMS that match them, and the
# package manager's three manifests parsed, with the fields the schema requires
# and the zip's own hash.
#   release_test.sh <source dir>
set -u
src=$(cd "${1:?usage: release_test.sh <source dir>}" && pwd) || exit 1
work=$(mktemp -d "$src/build/release-test.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
failed=0
check() { # WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failed=1; fi
}

for dir in a/Blinkward "b/other folder/x"; do
  git clone -q "$src" "$work/$dir" || exit 1
  out=$("$work/$dir/scripts/release" 2>&1) || { echo "FAIL - scripts/release in $dir:"; echo "$out"; exit 1; }
done
a=$work/a/Blinkward/dist b="$work/b/other folder/x/dist"
version=$(sed -n 's/^project(Blinkward VERSION \([0-9.]*\) .*/\1/p' "$src/CMakeLists.txt")
zip=Blinkward-$version.zip

check "two clones give the same files, byte for byte" diff -r "$a" "$b"
check "the zip holds the exe, README.txt and LICENSE, and nothing else" \
  test "$(unzip -Z1 "$a/$zip" | sort | tr '\n' ' ')" = "Blinkward.exe LICENSE README.txt "
mkdir "$work/unzipped"
unzip -q "$a/$zip" -d "$work/unzipped"
check "the exe is the 32-bit Windows program" \
  grep -q 'PE32 executable (GUI) Intel 80386' <<<"$(file "$work/unzipped/Blinkward.exe")"
check "README.txt names the version, in lines Notepad shows" \
  grep -q "^Blinkward $version"$'\r$' "$work/unzipped/README.txt"
sums=$work/sums
mkdir "$sums" && cp "$a/$zip" "$work/unzipped/Blinkward.exe" "$a/SHA256SUMS" "$sums/"
check "SHA256SUMS holds the zip's hash and the exe's" \
  bash -c 'cd "$1" && test "$(wc -l < SHA256SUMS)" = 2 && sha256sum --quiet -c SHA256SUMS' _ "$sums"

# The schema's required fields, and what the package manager acts on.
check "the three manifests parse and carry the zip's hash" /usr/bin/python3 - "$a/winget/$version" \
  "$version" "$(sha256sum "$a/$zip" | cut -d' ' -f1)" <<'PY'
import sys, yaml, pathlib
folder, version, digest = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3].upper()
names = sorted(p.name for p in folder.iterdir())
assert names == ["Blinkward.Blinkward.installer.yaml", "Blinkward.Blinkward.locale.en-US.yaml",
                 "Blinkward.Blinkward.yaml"], names
kinds = {}
for p in folder.iterdir():
    m = yaml.safe_load(p.read_text())
    assert m["PackageIdentifier"] == "Blinkward.Blinkward" and m["PackageVersion"] == version, p
    assert m["ManifestVersion"] == "1.12.0", p
    kinds[m["ManifestType"]] = m
assert kinds["version"]["DefaultLocale"] == "en-US"
locale = kinds["defaultLocale"]
for field in ("PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"):
    assert locale[field], field
installer = kinds["installer"]
assert installer["InstallerType"] == "zip" and installer["NestedInstallerType"] == "portable"
assert installer["NestedInstallerFiles"] == [
    {"RelativeFilePath": "Blinkward.exe", "PortableCommandAlias": "blinkward"}]
(entry,) = installer["Installers"]
assert entry["Architecture"] == "x86", entry
assert entry["InstallerSha256"] == digest, entry
assert entry["InstallerUrl"].startswith("https://") and entry["InstallerUrl"].endswith(
    f"/Blinkward-{version}.zip"), entry
PY
exit $failed
