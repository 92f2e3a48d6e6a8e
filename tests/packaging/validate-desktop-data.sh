#!/bin/sh
# Validates the desktop entry and the AppStream metainfo; any remark, even a
# hint, fails the test so the files stay clean for every validator version.
#   validate-desktop-data.sh DESKTOP_FILE_VALIDATE APPSTREAMCLI DESKTOP METAINFO
set -eu
validate=$1 appstreamcli=$2 desktop=$3 metainfo=$4
status=0

remarks=$("$validate" "$desktop" 2>&1) || status=1
if [ -n "$remarks" ]; then
    printf '%s\n' "$remarks"
    status=1
fi

report=$("$appstreamcli" validate --no-net --pedantic --strict "$metainfo" 2>&1) || status=1
if printf '%s\n' "$report" | grep -q '^[EWIP]:'; then
    status=1
fi
[ $status -eq 0 ] || printf '%s\n' "$report"

# The two files must name each other the same way.
id=$(basename "$desktop" .desktop)
grep -q "<id>$id</id>" "$metainfo" || { echo "metainfo id is not $id"; status=1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || { echo "metainfo does not launch $id.desktop"; status=1; }
grep -qx "Icon=$id" "$desktop" || { echo "desktop entry's icon is not $id"; status=1; }
exit $status
