#!/bin/sh
# Reads Orvanta.exe back with Linux tools and checks what Windows and the
# program will find in it: the version information field by field, both icon
# groups, the pictures and the manifest byte for byte, the GUI subsystem, and
# imports of Windows DLLs only (everything else is linked statically).
# Usage: check-exe.sh ORVANTA.EXE RESOURCES-DIR WORK-DIR
set -eu
exe=$1 resources=$2 work=$3
objdump=x86_64-w64-mingw32-objdump

rm -rf "$work"
mkdir -p "$work"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The version information, in the order Explorer lists it. First the fixed
# part: signature, struct version, file version 1.0.0.0, product version
# 1.0.0.0, flags mask, flags, OS (VOS__WINDOWS32), type (VFT_APP), subtype
# and date.
wrestool -x --raw --type=16 "$exe" >"$work/version.bin"
fixed=$(od -An -v -tx4 -j40 -N52 "$work/version.bin" | xargs)
[ "$fixed" = "feef04bd 00010000 00010000 00000000 00010000 00000000 00000000 00000000 00000004 00000001 00000000 00000000 00000000" ] ||
    fail "fixed version information: $fixed"
# Then every key and value of the string table and the translation block.
strings -n 4 -el "$work/version.bin" >"$work/version-strings.txt"
cat >"$work/version-expected.txt" <<'TEXT'
VS_VERSION_INFO
StringFileInfo
040904B0
CompanyName
Orvanta developers
LegalCopyright
Copyright (C) 2026 Orvanta developers
ProductName
Orvanta
FileVersion
1.00
ProductVersion
1.00
InternalName
Orvanta
OriginalFilename
Orvanta.exe
VarFileInfo
Translation
TEXT
diff -u "$work/version-expected.txt" "$work/version-strings.txt" >&2 || fail "version strings (expected -, found +)"
# The translation is the block's last value: US English (0x0409), Unicode (1200).
translation=$(tail -c 4 "$work/version.bin" | od -An -tx2 | xargs)
[ "$translation" = "0409 04b0" ] || fail "translation: $translation"

# Icon groups by name: both have a 32x32 and a 16x16 image with 16 colours,
# and come back byte for byte as the .ico files they were made from.
expected_sizes='--icon --index=1 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=2 --width=16 --height=16 --bit-depth=4 --palette-size=16'
for row in "IDI_ICON1 orvanta.ico" "IDI_ICON2 about.ico"; do
    set -- $row
    out=$work/$1.ico
    if ! wrestool -x --type=14 --name="$1" -o "$out" "$exe" || [ ! -s "$out" ]; then
        fail "no icon group $1"
        continue
    fi
    sizes=$(icotool -l "$out")
    [ "$sizes" = "$expected_sizes" ] || fail "icon group $1 has: $sizes"
    # wrestool leaves stray bytes after the last image of the file it rebuilds.
    cmp -s -n "$(wc -c <"$resources/$2")" "$out" "$resources/$2" || fail "icon group $1 differs from $2"
done

# Data the program loads by name, and the manifest the loader reads
# (RT_RCDATA is 10, RT_MANIFEST 24), byte for byte.
for row in "10 BACKGROUND background.jpg" "10 ABOUTPICTURE about.gif" "24 1 orvanta.manifest"; do
    set -- $row
    wrestool -x --raw --type="$1" --name="$2" "$exe" >"$work/$3" 2>/dev/null || true
    cmp -s "$work/$3" "$resources/$3" || fail "resource type $1 name $2 is missing or differs from $3"
done

# A 64-bit GUI program.
"$objdump" -p "$exe" >"$work/headers.txt"
grep -q '^Magic[[:space:]]*020b[[:space:]]*(PE32+)' "$work/headers.txt" || fail "not a PE32+ (64-bit) image"
grep -q '^Subsystem[[:space:]]*00000002[[:space:]]*(Windows GUI)' "$work/headers.txt" || fail "not a GUI-subsystem program"

# Imports: Windows' own DLLs only; a MinGW runtime DLL (libstdc++, libgcc,
# libwinpthread) would have to be shipped next to the program.
sed -n 's/^[[:space:]]*DLL Name: //p' "$work/headers.txt" >"$work/imports.txt"
[ -s "$work/imports.txt" ] || fail "no imports found"
while read -r dll; do
    case $(echo "$dll" | tr 'A-Z' 'a-z') in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | gdiplus.dll | windowscodecs.dll | ole32.dll | \
        oleaut32.dll | shell32.dll | msvcrt.dll | advapi32.dll | api-ms-win-crt-*.dll | uxtheme.dll | oleacc.dll) ;;
    *) fail "imports $dll, which is not part of Windows" ;;
    esac
done <"$work/imports.txt"

# Explorer and shortcuts show the first icon group of the file's resource
# directory, where named groups are sorted by name: it must be the program's.
first=$(wrestool -l --type=14 "$exe" | sed -n "1s/.*--name='\{0,1\}\([^' ]*\).*/\1/p")
[ "$first" = IDI_ICON1 ] || fail "the file's icon is the group $first, not the program's IDI_ICON1"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $exe failed" >&2
    exit 1
fi
echo "$exe: version information, icons, pictures, manifest, subsystem and imports as expected"
echo "imports: $(tr '\n' ' ' <"$work/imports.txt")"
