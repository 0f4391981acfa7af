#!/usr/bin/env bash
# --version prints the package's version, --help the usage on stdout, both
# without a display; an unknown option is a usage error with a text.
# Usage: program-options.sh VERSION PROGRAM...
set -uo pipefail
. "$(dirname "$0")/checks.sh"
version=$1
shift
for program in "$@"; do
    name=$(basename "$program")
    out=$(headless "$program" --version 2>&1)
    rc=$?
    [ $rc -eq 0 ] || fail "$name --version exits $rc: $out"
    [ "$out" = "$name $version" ] || fail "$name --version says '$out', not '$name $version'"

    out=$(headless "$program" --help 2>/dev/null)
    rc=$?
    [ $rc -eq 0 ] || fail "$name --help exits $rc"
    grep -q -- '--version' <<<"$out" || fail "$name --help does not name --version"

    # A wizard that took the option for nothing would open its window: the
    # time limit ends it as a failure.
    err=$(QT_QPA_PLATFORM=offscreen timeout 30 "$program" --no-such-option 2>&1 >/dev/null </dev/null)
    rc=$?
    [ $rc -eq 2 ] || fail "$name --no-such-option exits $rc, not 2"
    grep -q -- '--no-such-option' <<<"$err" || fail "$name does not name the unknown option: '$err'"
done
finish
