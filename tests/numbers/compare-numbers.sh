#!/bin/sh
# Runs numbertable built for Linux and built for another platform (Windows
# under Wine, WebAssembly under node), and fails unless both print exactly the
# same bytes. The other build gets the table's texts on its standard input,
# for a C++ library that cannot make them itself.
# Usage: compare-numbers.sh LINUX-PROGRAM RUNNER OTHER-PROGRAM WORK-DIR [PLATFORM]
# RUNNER may hold arguments separated by ';' (a CMake list).
set -eu
linux=$1 runner=$2 other=$3 work=$4 platform=${5:-Windows}

mkdir -p "$work"
"$linux" >"$work/numbers-linux.txt"
"$linux" --inputs >"$work/numbers-inputs.txt"
# shellcheck disable=SC2046 # the runner's words are meant to split
$(echo "$runner" | tr ';' ' ') "$other" <"$work/numbers-inputs.txt" >"$work/numbers-other.txt"

rows=$(wc -l <"$work/numbers-linux.txt")
if ! cmp -s "$work/numbers-linux.txt" "$work/numbers-other.txt"; then
    echo "The core answers differently on $platform; rows are: input, bits read, valid," >&2
    echo "then each conversion with '.' and ','. Linux '<', $platform '>':" >&2
    diff "$work/numbers-linux.txt" "$work/numbers-other.txt" | cut -c1-300 | head -20 >&2
    exit 1
fi
# An empty or truncated table on both sides would compare equal too.
if [ "$rows" -lt 6000 ]; then
    echo "only $rows rows: the table was cut short" >&2
    exit 1
fi
echo "Linux and $platform agree on all $rows rows"
