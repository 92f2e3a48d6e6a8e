#!/bin/sh
# Starts Orvanta.exe, then plays the scenarios about DPI, in a Wine prefix of
# their own whose system DPI is DPI (LogPixels): the window must come up at
# that DPI, not stretched from 96. The prefix has a Wine server of its own,
# which ends with the script.
# Usage: check-system-dpi.sh WINE-RUN DPI PREFIX ORVANTA.EXE WIDTH SCENARIOS.EXE
#   WIDTH: the main window's expected width in pixels at DPI
#   (exit 77: skipped, no display)
set -eu
winerun=$1 dpi=$2 exe=$4 width=$5 scenarios=$6
here=$(dirname "$0")
WINEPREFIX=$3
export WINEPREFIX WINEDEBUG="${WINEDEBUG:--all}"

if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: skipped (scripts/test-windows runs the tests under Xvfb)"
    exit 77
fi
"$winerun" --setup
# Started here with its output away from the test's, which CTest would
# otherwise wait for.
wineserver -p </dev/null >/dev/null 2>&1 || true
trap 'wineserver -k 2>/dev/null || true' EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

sh "$here/../support/check-start.sh" --width "$width" alt+F4 "$winerun" "$exe"
"$winerun" "$scenarios" --dpi "$dpi"
