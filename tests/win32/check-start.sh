#!/bin/sh
# Starts Orvanta.exe under Wine, waits for its main window to be mapped, then
# closes it with Alt+F4 and expects a clean exit. Catches what only shows at
# start-up: a manifest the loader rejects, a missing DLL, a window class that
# fails to register, a crash before the first paint.
# Usage: check-start.sh WINE-RUN ORVANTA.EXE     (exit 77: skipped, no display)
set -eu
winerun=$1 exe=$2
title='^Orvanta - @Tiso$'

if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: skipped (scripts/test-windows runs the tests under Xvfb)"
    exit 77
fi
command -v xdotool >/dev/null || { echo "missing xdotool (scripts/install-deps)" >&2; exit 1; }

"$winerun" "$exe" &
pid=$!
window=
# Up to 60 s: the first start in a new Wine prefix is slow.
i=0
while [ $i -lt 600 ]; do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1) && [ -n "$window" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "Orvanta.exe ended with status $status before showing its window" >&2
        exit 1
    fi
    sleep 0.1
    i=$((i + 1))
done
if [ -z "$window" ]; then
    echo "no window titled 'Orvanta - @Tiso' within 60 s" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
echo "main window mapped after about $((i / 10)).$((i % 10)) s"

xdotool windowfocus --sync "$window"
xdotool key alt+F4
i=0
while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do
    sleep 0.1
    i=$((i + 1))
done
if kill -0 "$pid" 2>/dev/null; then
    echo "Orvanta.exe still runs 10 s after Alt+F4" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "Orvanta.exe exited with status $status after Alt+F4" >&2; exit 1; }
echo "closed with Alt+F4, exit status 0"
