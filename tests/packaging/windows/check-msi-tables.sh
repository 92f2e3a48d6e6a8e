#!/bin/sh
# Reads the MSI's tables back: what Apps & features shows, the Start menu
# shortcut, and the major upgrade rules keyed to the upgrade code that every
# version of Orvanta must keep.
#   check-msi-tables.sh MSI VERSION
set -eu
msi=$1 version=$2
upgrade_code='{CC3590F9-04C9-4C6B-A833-683E1D474CFA}'
failures=0

# A table, then the start of one of its rows, columns joined by '|'.
while read -r table row; do
    msiinfo export "$msi" "$table" | tr '\t' '|' | awk -v r="$row" 'index($0, r) == 1 { n++ } END { exit !n }' \
        || { echo "FAIL: $table has no row $row"; failures=$((failures + 1)); }
done <<ROWS
Property ProductName|Orvanta
Property ProductVersion|$version
Property Manufacturer|Orvanta developers
Property UpgradeCode|$upgrade_code
Property ALLUSERS|1
Property ARPPRODUCTICON|orvanta.ico
Directory INSTALLDIR|ProgramFiles64Folder|Orvanta
Shortcut StartMenuShortcut|ProgramMenuFolder|Orvanta|Program|[#OrvantaExe]|
Upgrade $upgrade_code||$version||1||WIX_UPGRADE_DETECTED
Upgrade $upgrade_code|$version|||2||WIX_DOWNGRADE_DETECTED
LaunchCondition NOT WIX_DOWNGRADE_DETECTED|A newer version of Orvanta is already installed.
ROWS
msiinfo suminfo "$msi" | grep -qx 'Template: x64;1033' || { echo "FAIL: not an x64 package"; failures=$((failures + 1)); }
exit $((failures > 0))
