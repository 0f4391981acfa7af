#!/usr/bin/env bash
# The bash completion of zrk640ctl offers what an operator types next:
# commands, options before and after a command, option values, parameter
# names from the base, files.
# Usage: completion.sh COMPLETION ZRK640CTL
set -uo pipefail
. "$(dirname "$0")/checks.sh"
completion=$1
ctl=$2
# The completion asks "zrk640ctl ports" for the serial ports.
zrk640ctl() { "$ctl" "$@"; }
. "$completion"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/site.cfg"

# complete LINE: what a Tab after LINE offers, one word a line, sorted.
complete_line() {
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _zrk640ctl
    printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
    local line=$1 want
    want=$(printf '%s\n' "${@:2}" | sort)
    got=$(complete_line "$line")
    [ "$got" = "$want" ] || fail "'$line<Tab>' offers [$(echo $got)], not [$(echo $want)]"
}
# offers LINE WORD...: the offer holds at least these words.
offers() {
    local line=$1 word got
    got=$(complete_line "$line")
    for word in "${@:2}"; do
        grep -qxF -- "$word" <<<"$got" || fail "'$line<Tab>' does not offer $word"
    done
}

expect 'zrk640ctl re' read relink report restore
expect 'zrk640ctl --parity ' even none odd
expect 'zrk640ctl --addr-len ' 11 8
expect 'zrk640ctl scan --a' --addresses --all
expect 'zrk640ctl check --' --scan
expect 'zrk640ctl restore site.cfg --' --addresses --modification --network --partial
expect 'zrk640ctl diff site.cfg --' --addresses --partial
# The value of a command's own option is no word of the command.
expect "zrk640ctl restore --addresses 1-3 $work/si" "$work/site.cfg"
expect 'zrk640ctl diff site.cfg --addresses ' ''
expect 'zrk640ctl --baud 9600 read n.C' n.Ch
expect 'zrk640ctl read n.Ch ' ''
expect "zrk640ctl dump $work/si" "$work/site.cfg"
expect "zrk640ctl report $work/si" "$work/site.cfg"
offers 'zrk640ctl --' --port --baud --trace --help --version
offers 'zrk640ctl relink --' --baud --parity --addr
offers 'zrk640ctl write ' n.Ch mod.v dev rel.a
offers 'zrk640ctl --port ' tcp://
# After an option that takes a free value nothing is guessed.
expect 'zrk640ctl --baud ' ''
finish
