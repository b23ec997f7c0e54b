#!/usr/bin/env bash
# A broken WoW64 root is made anew only when nothing is mounted below it:
# rm -rf would delete what is mounted there. A scratch checkout, reached
# through a symlink and with a space in its path, holds a broken root (no
# stamp) with an empty scratch directory bind-mounted below it; the mount is
# made in a namespace of this test's own, so that even a killed test leaves
# nothing in the host's table. The Debian archive is one that refuses at once.
# BW_ROOT is taken only below this checkout's build/: the scratch one lies there.
#   mounts_test.sh <source dir>
set -u
src=${1:?usage: mounts_test.sh <source dir>}
if [ "$(id -u)" != 0 ] || ! unshare --mount true 2>/dev/null; then
  echo "needs root and mount namespaces (unshare --mount)"
  exit 77
fi
mkdir -p "$src/build"
tmp=$(mktemp -d -p "$src/build")
trap 'rm -rf "$tmp"' EXIT
root="$tmp/real dir/checkout/build/wow64/root"
mkdir -p "$root/usr/mnt here" "$tmp/empty"
touch "$root/usr/file"
ln -s "real dir" "$tmp/link"

export BW_ROOT="$tmp/link/checkout" BW_DEBIAN_MIRROR=http://127.0.0.1:9/debian
unshare --mount --propagation private bash -s "$src" "$tmp" "$root" <<'TEST'
src=$1 tmp=$2 root=$3 failed=0
expect() { # WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "FAIL - $1: expected '$2', got '$3'"; failed=1; fi
}
kept() { [ -f "$root/usr/file" ] && echo kept || echo removed; }
source "$src/scripts/lib/wow64-root.sh"

mount --bind "$tmp/empty" "$root/usr/mnt here" || exit 1
why=$(wow64_root_ready 2>&1)
expect "with a mount below it, the root is kept and the refusal names the mount" \
  "1 kept|wow64-root: will not remove $tmp/link/checkout/build/wow64/root: mounted below it: $root/usr/mnt here
The 32-bit exe's WoW64 root (Debian sid with Wine 10) is not available: the broken root has something mounted in it, so it is not made anew." \
  "$? $(kept)|$why"

umount "$root/usr/mnt here"
wow64_root_ready 2>/dev/null
expect "without it, the broken root is removed to be made anew" "1 removed" "$? $(kept)"
exit $failed
TEST
