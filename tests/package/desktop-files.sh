#!/usr/bin/env bash
# The unpacked package's menu entry passes desktop-file-validate, its
# AppStream metadata appstreamcli's offline check, and they name the program,
# the icon and the entry the package really holds.
# Usage: desktop-files.sh DEB
set -uo pipefail
. "$(dirname "$0")/checks.sh"
deb=$1
unpack "$deb"
share=$root/usr/share

entries=("$share"/applications/*.desktop)
metainfo=("$share"/metainfo/*.metainfo.xml)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not one menu entry: ${entries[*]}"
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "not one metainfo file: ${metainfo[*]}"
[ "$failures" -eq 0 ] || finish
entry=${entries[0]}

out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate says: $out"
out=$(appstreamcli validate --no-net --pedantic "${metainfo[0]}" 2>&1) || fail "appstreamcli: $out"

exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not in the package's /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
icons=$(find "$share/icons/hicolor" -name "$icon.svg" -o -name "$icon.png")
[ -n "$icons" ] || fail "Icon=$icon has no file in the hicolor theme"
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "${metainfo[0]}")
[ "$launchable" = "$(basename "$entry")" ] || fail "metainfo launches '$launchable', not $(basename "$entry")"
finish
