#!/usr/bin/env bash
# Every manual page renders without a groff warning and names every option,
# command and exit code its program's --help names, the settings file, the
# data folder, the dialout group and examples.
# Usage: man-pages.sh MANDIR PROGRAM...
set -uo pipefail
. "$(dirname "$0")/checks.sh"
mandir=$1
shift

# The words of --help a page must carry: every --option; zrk640ctl's commands
# (the first word of each line under "Команды:"); the simulator's input
# commands (under "Команды на stdin:").
help_words() {
    local help=$1
    grep -oE -- '--[a-z][a-z-]*' <<<"$help"
    awk '/^Команды:/ { on = 1; next } /^[^ ]/ { on = 0 }
         on && /^  [a-z]/ { print $1 }' <<<"$help"
    awk '/^Команды на stdin:/ { on = 1; next }
         on && /^  [a-z]/ { n = split($1, w, "|"); for (i = 1; i <= n; i++) print w[i] }' <<<"$help"
}

# The exit codes after "Код возврата:" in --help ("0 успех, 1 ...").
help_codes() {
    sed -n '/^Код возврата:/,$p' <<<"$1" | tr '\n' ' ' | grep -oE '(: |, )[0-9]+ ' | tr -dc '0-9\n '
}

for program in "$@"; do
    name=$(basename "$program")
    page=$mandir/$name.1.gz
    if [ ! -f "$page" ]; then
        fail "$name: no page $page"
        continue
    fi
    warnings=$(zcat "$page" | groff -k -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$name: groff warns: $warnings"
    text=$(zcat "$page" | groff -k -man -Tutf8 -P -cbou 2>/dev/null)
    help=$(headless "$program" --help)
    for word in $(help_words "$help" | sort -u); do
        grep -qE -- "(^|[^a-z-])$word([^a-z-]|\$)" <<<"$text" || fail "$name(1) does not name $word"
    done
    codes=$(sed -n '/^КОД ВОЗВРАТА/,/^[^ ]/p' <<<"$text" | grep -oE '^       [0-9]+ ' | tr -d ' ')
    for code in $(help_codes "$help"); do
        grep -qx "$code" <<<"$codes" || fail "$name(1) does not explain exit code $code"
    done
    for needed in ZRK640_CONFIG '~/.config/VESK/ZRK640.conf' share/zrk640/ dialout ПРИМЕРЫ; do
        grep -qF -- "$needed" <<<"$text" || fail "$name(1) does not mention $needed"
    done
done
finish
