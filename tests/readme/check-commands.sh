#!/usr/bin/env bash
# Runs the commands README.md shows, each at least far enough to prove it
# works, in a private Xvfb display. scripts/test runs it after the Windows
# stage, since it needs build/ and build-windows/ built and tested.
#
# The table is the list: each command exactly as README.md shows it (its
# comment left off) and the check that proves it. A command shown in a sh
# block of README.md without a row here fails the test, and so does a row
# whose command README.md no longer shows; a new command gets its row when it
# is written down.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ -z "${ORVANTA_README_INNER:-}" ]; then
    # A true-colour screen like a desktop's; xvfb-run's default is 8 bits.
    exec env ORVANTA_README_INNER=1 xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$0" "$@"
fi

# README command                                             | check
table=$(cat <<'TABLE'
scripts/run                                                  | QT_QPA_PLATFORM=offscreen starts ctrl+q scripts/run -platform xcb
scripts/test                                                 | covered "this check is one of its stages"
scripts/install-deps                                         | prints_nothing scripts/install-deps
cmake -S . -B build && cmake --build build -j"$(nproc)"      | as_shown
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure | covered "the Tests stage of scripts/test runs this suite"
cmake --install build --prefix ~/.local                      | installs_into_scratch_prefix
(cd build && cpack -G DEB)                                   | in_suite build debian_package
scripts/package-windows                                      | as_shown
scripts/build-windows                                        | covered "scripts/test-windows, the Windows stage of scripts/test, starts with it"
scripts/wine-run build-windows/src/win32/Orvanta.exe         | starts alt+F4 scripts/wine-run build-windows/src/win32/Orvanta.exe
scripts/test-windows                                         | covered "the Windows stage of scripts/test"
scripts/build-web                                            | covered "scripts/test-web, the browser stage of scripts/test, starts with it"
scripts/serve-web                                            | serves scripts/serve-web 8779
scripts/test-web                                             | covered "the browser stage of scripts/test"
scripts/bench-web                                            | scripts/bench-web 1
scripts/bench                                                | scripts/bench --benchmark_min_time=0
scripts/bench-startup                                        | left_out
scripts/bench-startup-windows                                | scripts/bench-startup-windows 1
TABLE
)

# The checks. Each runs from the top of the source tree.

# Starts Orvanta with a command, waits for its main window, closes it with
# the keys given and expects exit status 0. With QT_QPA_PLATFORM=offscreen
# the Qt program shows a window on the display only if -platform xcb reached
# it, which proves that scripts/run passes its arguments on.
starts() { sh "$root/tests/support/check-start.sh" "$@"; }
# The command exactly as the README shows it, with exit status 0.
as_shown() { eval "$command"; }
# Exit status 0 and no output: nothing is missing after scripts/test.
prints_nothing() {
    local output
    output=$("$@" 2>&1) || { echo "$output"; return 1; }
    [ -z "$output" ] || { echo "expected no output, got: $output"; return 1; }
}
# The README's install command, into a scratch prefix instead of ~/.local.
installs_into_scratch_prefix() {
    local prefix=$work/prefix
    cmake --install build --prefix "$prefix" || return
    [ -x "$prefix/bin/orvanta" ] || { echo "no program in $prefix/bin"; return 1; }
    [ -f "$prefix/share/applications/org.orvanta.orvanta.desktop" ] || { echo "no desktop entry in $prefix"; return 1; }
}
# The command is proven by a CTest test of that tree, which scripts/test runs.
in_suite() {
    ctest --test-dir "$1" -N -R "^$2\$" | grep -q "Total Tests: 1" || { echo "no test $2 in $1"; return 1; }
    echo "proven by the test $2 of $1"
}
covered() { echo "$1"; }
# Starts the server, waits for the address it prints, then fetches the page
# and the module, which must come as application/wasm, gzip-compressed to a
# browser that accepts it, with the headers the README's deployment table
# lists; stops the server.
serves() {
    local port=${*: -1} line found=
    "$@" >"$work/serve.log" 2>&1 &
    local pid=$!
    for _ in $(seq 600); do
        if grep -q "http://127.0.0.1:$port/" "$work/serve.log" && curl -sf -o /dev/null "http://127.0.0.1:$port/"; then
            found=1
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    local status=0
    if [ -z "$found" ]; then
        echo "no address printed or nothing served:"; cat "$work/serve.log"; status=1
    else
        local wasm type
        wasm=$(cd build-web/site && ls *.wasm | head -1)
        type=$(curl -sf -o /dev/null -w '%{content_type}' "http://127.0.0.1:$port/$wasm") || status=1
        [ "$type" = application/wasm ] || { echo "$wasm served as '$type'"; status=1; }
        local encoding
        encoding=$(curl -sf -H 'Accept-Encoding: gzip' -o /dev/null -w '%header{content-encoding}' \
                        "http://127.0.0.1:$port/$wasm") || status=1
        [ "$encoding" = gzip ] || { echo "$wasm not compressed for a browser that accepts gzip"; status=1; }
        curl -sf --compressed "http://127.0.0.1:$port/$wasm" | cmp -s - "build-web/site/$wasm" ||
            { echo "$wasm, decompressed, is not the built file"; status=1; }
        local headers expected
        headers=$(curl -sfI "http://127.0.0.1:$port/" | tr -d '\r') || status=1
        for expected in "Content-Security-Policy: .*frame-ancestors 'none'" "X-Content-Type-Options: nosniff" \
                        "Referrer-Policy: no-referrer" "Cache-Control: no-cache"; do
            grep -qi "^$expected" <<<"$headers" || { echo "the page comes without $expected"; status=1; }
        done
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return $status
}
# Too slow for the test command; README.md says so, and why.
left_out() {
    tr -s '\n ' '  ' <"$root/README.md" | grep -qF -- "\`$command\` is left out of the test command" ||
        { echo "README.md does not say why \`$command\` is left out of the test command"; return 1; }
    echo "left out, README.md says why"
}

trim() { sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//'; }

cd "$root"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
cleanup() {
    # Wine's background processes, if a check started them, end before Xvfb.
    WINEPREFIX=$root/build-windows/wine-prefix wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every command in the README's sh blocks has a row, and every row's command
# is still in the README.
awk '/^```sh$/ { block = 1; next } /^```/ { block = 0 } block' README.md |
    sed 's/[[:space:]]*#.*$//' | trim | grep -v '^$' >"$work/shown"
cut -d'|' -f1 <<<"$table" | trim >"$work/rows"
while IFS= read -r shown; do
    grep -qxF -- "$shown" "$work/rows" || fail "README.md shows '$shown', which has no row in $0"
done <"$work/shown"
while IFS= read -r row; do
    grep -qxF -- "$row" "$work/shown" || fail "the row '$row' names a command README.md does not show"
done <"$work/rows"

while IFS='|' read -r command check; do
    command=$(trim <<<"$command") check=$(trim <<<"$check")
    start=$SECONDS
    if (eval "$check") >"$work/log" 2>&1 </dev/null; then
        printf 'ok    %-56s %3ds  %s\n' "$command" $((SECONDS - start)) "$check"
    else
        fail "$command (check: $check); the end of its output:"
        tail -n 40 "$work/log" | sed 's/^/    /'
    fi
done <<<"$table"

[ $failures -eq 0 ] || { echo "$failures of the README's commands failed"; exit 1; }
echo "All the README's commands work"
