#!/bin/sh
# Runs numbertable built for Linux and, under Wine, built for Windows, and
# fails unless both print exactly the same bytes.
# Usage: compare-numbers.sh LINUX-PROGRAM WINE-RUN WINDOWS-PROGRAM WORK-DIR
set -eu
linux=$1 winerun=$2 windows=$3 work=$4

mkdir -p "$work"
"$linux" >"$work/numbers-linux.txt"
"$winerun" "$windows" >"$work/numbers-windows.txt"

rows=$(wc -l <"$work/numbers-linux.txt")
if ! cmp -s "$work/numbers-linux.txt" "$work/numbers-windows.txt"; then
    echo "The core answers differently on Windows; rows are: input, bits read, valid," >&2
    echo "then each conversion with '.' and ','. Linux '<', Windows '>':" >&2
    diff "$work/numbers-linux.txt" "$work/numbers-windows.txt" | cut -c1-300 | head -20 >&2
    exit 1
fi
# An empty or truncated table on both sides would compare equal too.
if [ "$rows" -lt 6000 ]; then
    echo "only $rows rows: the table was cut short" >&2
    exit 1
fi
echo "Linux and Windows agree on all $rows rows"
