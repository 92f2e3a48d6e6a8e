#!/bin/sh
# The portable zip holds exactly Orvanta.exe, LICENSE.txt and README.txt, the
# texts with CR LF. Unpacked and started from another folder under Wine,
# Orvanta shows its window and writes nothing: not beside itself, not on
# drive C:, not in the registry.
#   check-zip.sh PREFIX ZIP FILES_DIR CMAKE
set -eu
prefix=$1 zip=$2 files=$3 cmake=$4
. "$(dirname "$0")/wine-session.sh"

portable=$scratch/portable
contents() { (cd "$portable" && find . -type f | sort | tr '\n' ' '); }
mkdir "$portable"
(cd "$portable" && "$cmake" -E tar xf "$zip")
[ "$(contents)" = "./LICENSE.txt ./Orvanta.exe ./README.txt " ] || fail "the zip holds: $(contents)"
for f in Orvanta.exe LICENSE.txt README.txt; do
    cmp -s "$files/$f" "$portable/$f" || fail "$f in the zip is not the staged one"
done
for f in LICENSE.txt README.txt; do
    awk '!/\r$/ { lf = 1 } END { exit lf }' "$portable/$f" || fail "$f has lines without CR LF"
done

snapshot "$scratch/before"
(cd / && wine "$portable/Orvanta.exe" &)
await shown || fail "Orvanta did not show its window"
close_program
snapshot "$scratch/after"
written=$(comm -13 "$scratch/before" "$scratch/after")
[ -z "$written" ] || fail "running Orvanta wrote: $written"
[ "$(contents)" = "./LICENSE.txt ./Orvanta.exe ./README.txt " ] || fail "its folder now holds: $(contents)"
exit $((failures > 0))
