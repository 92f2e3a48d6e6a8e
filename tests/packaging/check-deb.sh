#!/bin/sh
# Builds the Debian package from an already built tree, lints it as Debian
# does, unpacks it into a scratch root and checks that everything lands where
# a desktop looks for it.
#   check-deb.sh CPACK CPACK_CONFIG APP_ID VERSION LINTIAN
set -eu
cpack=$1 config=$2 id=$3 version=$4 lintian=$5

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The package does not depend on the umask of whoever builds it: a
# group-writable one must not reach it.
umask 002
if ! "$cpack" -G DEB -B "$scratch/out" --config "$config" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    exit 1
fi
set -- "$scratch"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "expected one .deb, got: $*"; exit 1; }
deb=$1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orvanta ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
case "$(field Depends)" in
    *libqt6widgets6*) ;;
    *) fail "Depends does not name libqt6widgets6: '$(field Depends)'" ;;
esac

# Lintian's default profile is the one Debian's archive applies: an error or a
# warning fails. It also checks the manual page, the changelog and how both
# are compressed.
if ! "$lintian" --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
    fail "lintian:"
    cat "$scratch/lintian.log"
fi

# Nothing outside /usr: a wrong prefix or an absolute path would show here.
stray=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$stray" ] || fail "files outside /usr: $stray"

root=$scratch/root
dpkg -x "$deb" "$root"
share=$root/usr/share

expect() { # expect PATH DESCRIPTION-OF-`file`-OUTPUT
    if [ ! -f "$1" ]; then
        fail "missing ${1#"$root"}"
        return
    fi
    case "$(file -b "$1")" in
        *"$2"*) ;;
        *) fail "${1#"$root"} is not $2: $(file -b "$1")" ;;
    esac
}
expect "$root/usr/bin/orvanta" "ELF"
[ -x "$root/usr/bin/orvanta" ] || fail "usr/bin/orvanta is not executable"
if command -v readelf >/dev/null && readelf -d "$root/usr/bin/orvanta" | grep -qE 'RPATH|RUNPATH'; then
    fail "usr/bin/orvanta carries a library search path"
fi
expect "$share/applications/$id.desktop" "text"
expect "$share/metainfo/$id.metainfo.xml" "XML"
expect "$share/icons/hicolor/16x16/apps/$id.png" "PNG image data, 16 x 16"
expect "$share/icons/hicolor/32x32/apps/$id.png" "PNG image data, 32 x 32"
expect "$share/icons/hicolor/scalable/apps/$id.svg" "SVG"
expect "$share/doc/orvanta/copyright" "text"

# Lintian reads the changelog but does not compare it with the package.
changelog=$share/doc/orvanta/changelog.gz
if [ -f "$changelog" ]; then
    latest=$(gzip -dc "$changelog" | dpkg-parsechangelog -l - -S Version)
    [ "$latest" = "$version" ] || fail "the changelog's latest entry is $latest, not $version"
fi

# The desktop entry starts a program the package ships.
desktop=$share/applications/$id.desktop
if [ -f "$desktop" ]; then
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in usr/bin"
fi

[ $failures -eq 0 ] || { dpkg-deb -I "$deb"; dpkg-deb -c "$deb"; exit 1; }
echo "ok: $(basename "$deb")"
