#!/bin/sh
# Compiles the Windows resource script, decompiles the result and compares the
# icon group and the version information with the expected text.
# Usage: check-version-resource.sh WINDRES RC-FILE EXPECTED WORK-DIR
#
# The decompiler leaves out fixed fields that are zero (FILEFLAGSMASK,
# FILEFLAGS, FILESUBTYPE), so their absence from the expected text checks them.
set -eu
windres=$1 rc=$2 expected=$3 work=$4

mkdir -p "$work"
"$windres" --preprocessor=cpp "$rc" -O res -o "$work/orvanta.res"
"$windres" -J res -i "$work/orvanta.res" -O rc >"$work/orvanta-decompiled.rc"

# Keep the two blocks, drop comments and indentation.
sed -n -e '/RT_GROUP_ICON/,/^END/p' -e '/VERSIONINFO/,/^END/p' "$work/orvanta-decompiled.rc" |
    sed -e 's|/\*.*\*/||g' -e 's/[[:space:]]\{1,\}/ /g' -e 's/^ //' -e 's/ $//' -e '/^$/d' \
        >"$work/orvanta-resources.txt"

diff -u "$expected" "$work/orvanta-resources.txt"
