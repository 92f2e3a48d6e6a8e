#!/bin/sh
# Starts Orvanta with COMMAND, waits for its main window to be mapped, then
# closes it with the keys a user would press and expects a clean exit.
# Catches what only shows at start-up: a program that is not where the
# command looks, a manifest the loader rejects, a missing library, a window
# class that fails to register, a crash before the first paint.
# Usage: check-start.sh [--width PIXELS] KEYS COMMAND [ARGUMENTS...]
#   check-start.sh alt+F4 scripts/wine-run build-windows/src/win32/Orvanta.exe
#   check-start.sh ctrl+q scripts/run
# --width: the window's expected width. Without a window manager, Wine's X
# window of a captioned window has no frame: the client area's width.
# Exit 77: skipped, no display.
set -eu
width=
if [ "$1" = --width ]; then
    width=$2
    shift 2
fi
keys=$1
shift
title='^Orvanta - @Tiso$'

if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: skipped (run it under xvfb-run -a)"
    exit 77
fi
command -v xdotool >/dev/null || { echo "missing xdotool (scripts/install-deps)" >&2; exit 1; }

"$@" &
pid=$!
window=
# Up to 60 s: the first start in a new Wine prefix is slow, and scripts/run
# builds first.
i=0
while [ $i -lt 600 ]; do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1) && [ -n "$window" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "'$*' ended with status $status before showing its window" >&2
        exit 1
    fi
    sleep 0.1
    i=$((i + 1))
done
if [ -z "$window" ]; then
    echo "no window titled 'Orvanta - @Tiso' within 60 s of '$*'" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
echo "main window mapped after about $((i / 10)).$((i % 10)) s"
if [ -n "$width" ]; then
    shown=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    if [ "$shown" != "$width" ]; then
        echo "the window is $shown pixels wide, not $width" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    echo "the window is $width pixels wide"
fi

xdotool windowfocus --sync "$window"
xdotool key "$keys"
i=0
while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do
    sleep 0.1
    i=$((i + 1))
done
if kill -0 "$pid" 2>/dev/null; then
    echo "'$*' still runs 10 s after $keys" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "'$*' exited with status $status after $keys" >&2; exit 1; }
echo "closed with $keys, exit status 0"
