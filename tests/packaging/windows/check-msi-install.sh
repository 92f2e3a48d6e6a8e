#!/bin/sh
# Under Wine: installs the MSI silently, starts Orvanta from its Start menu
# shortcut, upgrades it with a newer build of the same source, is refused the
# older package over the newer, and removes it, leaving nothing of ours.
#   check-msi-install.sh PREFIX MSI FILES_DIR WXS VERSION WIXL WIXL_ARGS...
set -eu
prefix=$1 msi=$2 files=$3 wxs=$4 version=$5 wixl=$6
. "$(dirname "$0")/wine-session.sh"
shift 6
drive_c=$prefix/drive_c

msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn; }
entries() { # the Apps & features entries of Orvanta, a paragraph each
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' \
        | awk -v RS= '/DisplayName +REG_SZ +Orvanta(\n|$)/'
}
value() { printf '%s\n' "$1" | sed -n "s/^ *$2 \{2,\}REG_[A-Z_]* \{2,\}//p"; }
one_entry_at() {
    [ "$(entries | grep -c '^HKEY')" = 1 ] && [ "$(value "$(entries)" DisplayVersion)" = "$1" ] \
        || fail "expected one entry, at $1: $(entries)"
}

snapshot "$scratch/before"
msiexec /i "$msi" || fail "installing failed"
[ "$(ls "$drive_c/Program Files/Orvanta" | tr '\n' ' ')" = "LICENSE.txt Orvanta.exe " ] \
    || fail "Program Files\\Orvanta holds: $(ls "$drive_c/Program Files/Orvanta")"
for f in Orvanta.exe LICENSE.txt; do
    cmp -s "$files/$f" "$drive_c/Program Files/Orvanta/$f" || fail "installed $f is not the packaged one"
done

entry=$(entries)
while IFS='=' read -r name want; do
    [ "$(value "$entry" "$name")" = "$want" ] || fail "$name is '$(value "$entry" "$name")', not '$want'"
done <<ROWS
DisplayName=Orvanta
DisplayVersion=$version
Publisher=Orvanta developers
InstallLocation=C:\\Program Files\\Orvanta\\
ROWS
# Apps & features shows ARPPRODUCTICON, which Windows Installer keeps in its
# own folder and records as ProductIcon.
icon=$(value "$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s | tr -d '\r')" ProductIcon)
cmp -s "$files/orvanta.ico" "$(winepath -u "$icon")" || fail "ProductIcon '$icon' is not Orvanta's icon"

# Windows puts a per-machine shortcut among all users' programs, Wine 8 among the user's.
lnk=$(ls "$drive_c"/ProgramData/Microsoft/Windows/'Start Menu/Programs/Orvanta.lnk' \
    "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/'Start Menu/Programs/Orvanta.lnk' 2>/dev/null || true)
if [ "$(printf '%s' "$lnk" | grep -c .)" != 1 ]; then
    fail "expected one Orvanta.lnk in a Programs folder, found: '$lnk'"
else
    # The paths in it are UTF-16: without the zero bytes they read as ASCII.
    case $(tr -d '\0' <"$lnk") in
        *'C:\Program Files\Orvanta\Orvanta.exe'*"$icon"*) ;;
        *) fail "the shortcut does not name Orvanta.exe and its icon" ;;
    esac
    wine start "$(winepath -w "$lnk")"
    await shown || fail "the Start menu shortcut did not open Orvanta's window"
    close_program
fi

# A newer build of the same source, hence of the same upgrade code.
newer=${version%.*}.$((${version##*.} + 1))
(cd "$files" && "$wixl" "$@" -D Version="$newer" -D ProductCode=0E6A4F0B-3C1D-4E8A-9B57-2F4C6D8E1A35 \
    -o "$scratch/newer.msi" "$wxs")
msiexec /i "$scratch/newer.msi" || fail "upgrading to $newer failed"
one_entry_at "$newer"
[ -f "$drive_c/Program Files/Orvanta/Orvanta.exe" ] || fail "Orvanta.exe is gone after the upgrade"
! msiexec /i "$msi" || fail "$version was installed over $newer"
one_entry_at "$newer"

msiexec /x "$scratch/newer.msi" || fail "removing failed"
snapshot "$scratch/after"
# Windows Installer's own containers stay, as on Windows; ours are below them.
left=$(comm -13 "$scratch/before" "$scratch/after" | grep -v -x -e './windows/Installer' \
    -e '\[Software\\\\Classes\\\\Installer\\\\\(Features\|Products\|UpgradeCodes\)\]' \
    -e '\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Installer\\\\\(UpgradeCodes\|UserData\\\\S-1-5-18\\\\\(Components\|Products\)\)\]' \
    || true)
[ -z "$left" ] || fail "left behind after removal: $left"
! grep -i orvanta "$prefix"/*.reg || fail "the registry still names Orvanta"
exit $((failures > 0))
