#!/usr/bin/env bash
# Writes the bash completion of zrk640ctl: commands and options from the
# program's --help, parameter names from the parameter base it ships with.
# Usage: make-completion.sh ZRK640CTL ZRK640-BASEC BASE TEMPLATE OUTPUT
set -euo pipefail
ctl=$1 basec=$2 base=$3 template=$4 output=$5
help=$("$ctl" --help)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A command's line in the "Команды:" section: two blanks, its name, its own
# options in brackets.
command_lines() {
    awk '/^Команды:/ { on = 1; next } /^[^ ]/ { on = 0 } on && /^  [a-z]/' <<<"$help"
}
commands=$(command_lines | awk '{ print $1 }' | sort -u | tr '\n' ' ')
# Options the program takes before the command: the lines after the commands.
option_lines=$(awk '/^Команды:/ { on = 1; next } on && /^[^ ]/ { after = 1 } after' <<<"$help")
options=$(grep -oE -- '^  --[a-z][a-z-]*' <<<"$option_lines" | tr -d ' ' | sort -u | tr '\n' ' ')
# "--opt WORD" takes a value; "--opt a|b|c" takes one of those.
# A command's own "[--opt WORD]" takes a value too.
valued=$( (grep -oE -- '^  --[a-z][a-z-]* [^ -]' <<<"$option_lines" | awk '{ print $1 }'
    command_lines | grep -oE -- '\[--[a-z][a-z-]* [^]]+\]' | awk '{ print substr($1, 2) }') |
    sort -u | tr '\n' ' ')
choices=$( (grep -E -- '^  --[a-z][a-z-]* [a-z0-9]+(\|[a-z0-9]+)+' <<<"$option_lines" || true) |
    awk '{ gsub(/\|/, " ", $2); printf "    %s)\n        COMPREPLY=($(compgen -W \"%s\" -- \"$cur\"))\n        return ;;\n", $1, $2 }')
command_options=$(command_lines | while read -r name rest; do
    own=$( (grep -oE -- '--[a-z][a-z-]*' <<<"$rest" || true) | sort -u | tr '\n' ' ')
    if [ -n "$own" ]; then
        printf '        %s)\n            COMPREPLY=($(compgen -W "%s" -- "$cur")) ;;\n' "$name" "${own% }"
    fi
done)

"$basec" dump "$base" "$work/base.txt" >&2
parameters=$(awk -F'|' '!/^[#@]/ && NF > 5 { gsub(/ /, "", $1); print $1 }' "$work/base.txt" |
    sort -u | tr '\n' ' ')
[ -n "$parameters" ] || { echo "make-completion: no parameter names in $base" >&2; exit 1; }

# sed would read '&' and '\' in the lists; the placeholders are replaced by
# awk from files instead.
printf '%s' "${commands% }" >"$work/COMMANDS"
printf '%s' "${options% }" >"$work/OPTIONS"
printf '%s' "${valued% }" >"$work/VALUED"
printf '%s' "${parameters% }" >"$work/PARAMETERS"
printf '%s' "$choices" >"$work/CHOICES"
printf '%s' "$command_options" >"$work/COMMAND_OPTIONS"
awk -v dir="$work" '
    function slurp(name,   line, text, sep) {
        text = ""; sep = ""
        while ((getline line < (dir "/" name)) > 0) { text = text sep line; sep = "\n" }
        close(dir "/" name)
        return text
    }
    {
        while (match($0, /@[A-Z_]+@/)) {
            name = substr($0, RSTART + 1, RLENGTH - 2)
            $0 = substr($0, 1, RSTART - 1) slurp(name) substr($0, RSTART + RLENGTH)
        }
        print
    }' "$template" >"$work/out"
cp "$work/out" "$output.tmp" && mv "$output.tmp" "$output"
