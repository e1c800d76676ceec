#!/bin/sh
# The ABI baseline: abi/qvx_vector.abi is the ABI of the release as abidw writes it (function
# signatures, types, data objects and their sizes, from a build with debug information).
#   tools/abi.sh dump  BUILD_DIR   rewrites the baseline from BUILD_DIR's baseline library
#   tools/abi.sh check BUILD_DIR   compares the library and every flavour in BUILD_DIR with it
# The check fails on every change that is not a pure addition: a removed or changed function
# or object, a changed type or size.  Added functions and objects pass (and are listed).
set -eu
mode=$1
build=$2
src=$(cd "$(dirname "$0")/.." && pwd)
baseline=$src/abi/qvx_vector.abi
command -v abidw >/dev/null || { echo "the ABI check needs libabigail (Debian: apt-get install abigail-tools)"; exit 1; }

# Only what the public header declares counts: the library's internal types stay private.
dump() {
  abidw --headers-dir "$src/include" --drop-private-types --no-corpus-path --no-comp-dir-path \
        --no-show-locs --type-id-style hash "$1"
}

case $mode in
dump)
  # Source paths relative to the checkout, so that the file does not depend on where it is.
  dump "$build/libqvx_vector.so" | sed "s|path='$src/|path='|" > "$baseline"
  echo "wrote $baseline"
  ;;
check)
  status=0
  for lib in "$build/libqvx_vector.so" "$build"/flavours/*/libqvx_vector.so; do
    [ -f "$lib" ] || continue
    out=$(mktemp)
    # abidiff's status is a bit mask: 4 = some ABI change, 8 = an incompatible one.  Added
    # symbols alone are changes too; they are left out of the verdict by --no-added-syms and
    # listed by a second run.
    rc=0
    abidiff --no-added-syms --hd2 "$src/include" --drop-private-types "$baseline" "$lib" > "$out" 2>&1 || rc=$?
    name=${lib#"$build"/}
    if [ "$rc" -ne 0 ]; then
      echo "ABI change in $name (abidiff status $rc):"
      cat "$out"
      status=1
    else
      added=$(abidiff --hd2 "$src/include" --drop-private-types "$baseline" "$lib" 2>&1 | grep -c "^  \[A\]" || true)
      echo "$name: the ABI of abi/qvx_vector.abi, $added additions"
    fi
    rm -f "$out"
  done
  exit $status
  ;;
*)
  echo "usage: tools/abi.sh dump|check BUILD_DIR"; exit 2 ;;
esac
