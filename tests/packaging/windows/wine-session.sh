# Sourced by the checks that run Windows programs. They share a Wine prefix of
# their own, $prefix, kept between runs while nothing of ours is left in it,
# and each runs on an X display of its own, so a window found by title is ours.
[ -n "${ORVANTA_PACKAGE_DISPLAY:-}" ] || ORVANTA_PACKAGE_DISPLAY=1 exec xvfb-run -a sh "$0" "$@"

# No offers of Mono or Gecko, and no menu entries written into $HOME for the
# shortcut the package creates.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if grep -qi orvanta "$prefix"/*.reg 2>/dev/null || [ -e "$prefix/drive_c/Program Files/Orvanta" ]; then
    rm -rf "$prefix"
fi
[ -e "$prefix/system.reg" ] || wineboot -i >/dev/null 2>&1

# The registry's key names and drive C:'s paths, once Wine has saved the registry.
snapshot() {
    wineserver -w
    { sed -n 's/^\(\[[^]]*\]\).*/\1/p' "$prefix"/*.reg; (cd "$prefix/drive_c" && find .); } | sort >"$1"
}

shown() { xdotool search --name '^Orvanta - @Tiso$' >/dev/null 2>&1; }
gone() { ! shown; }
await() { # await CONDITION: gives it ten seconds
    i=0
    until "$@"; do
        i=$((i + 1))
        [ $i -lt 100 ] || return 1
        sleep 0.1
    done
}
# Sends WM_CLOSE to Orvanta's windows, as closing the main window does.
close_program() {
    wine taskkill /im Orvanta.exe >/dev/null 2>&1 || true
    await gone || fail "Orvanta did not close"
}
