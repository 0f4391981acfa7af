#!/usr/bin/env bash
# lintian finds no error in the package, and every warning it gives is one
# HACKING.md lists with its reason (a line "- `tag`: reason").
# Usage: lintian.sh DEB HACKING.md
set -uo pipefail
. "$(dirname "$0")/checks.sh"
deb=$1 hacking=$2
out=$(lintian --tag-display-limit 0 "$deb" 2>&1)
rc=$?
[ $rc -le 1 ] || fail "lintian exits $rc: $out"
while read -r kind _ tag _; do
    case $kind in
    E:) fail "lintian error: $tag" ;;
    W:) grep -qF -- "- \`$tag\`:" "$hacking" || fail "lintian warning $tag is not explained in HACKING.md" ;;
    esac
done <<<"$out"
finish
