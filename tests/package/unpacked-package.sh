#!/usr/bin/env bash
# The .deb unpacked into a temporary folder, never installed: it holds every
# file an operator needs, its Depends came from the binaries, its programs
# answer --version and --help, and the unpacked zrk640ctl reads the unpacked
# simulator, both taking their data from the unpacked share/zrk640/.
# Usage: unpacked-package.sh DEB
set -uo pipefail
. "$(dirname "$0")/checks.sh"
deb=$1
unpack "$deb"
usr=$root/usr
version=$(dpkg-deb -f "$deb" Version)

for file in bin/zrk640-wizard bin/zrk640ctl bin/zrk640-sim \
    share/zrk640/parameters_m.zip share/zrk640/tooltip.dat share/zrk640/{1,2,3,4,5,6}.rtf \
    share/man/man1/{zrk640ctl,zrk640-sim,zrk640-wizard}.1.gz \
    share/bash-completion/completions/zrk640ctl \
    share/doc/zrk640/copyright share/doc/zrk640/changelog.gz; do
    [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 zlib1g; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

for program in zrk640ctl zrk640-sim zrk640-wizard; do
    out=$(headless "$usr/bin/$program" --version 2>&1)
    [ "$out" = "$program $version" ] || fail "unpacked $program --version says '$out'"
done
headless "$usr/bin/zrk640-sim" --help >/dev/null || fail "unpacked zrk640-sim --help exits $?"

# The simulator prints its pseudo-terminal once it answers there.
coproc SIM { exec "$usr/bin/zrk640-sim" --modification 3 2>"$root/sim.err"; }
sim_pid=$SIM_PID
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid"; rm -rf "$root"' EXIT
pty=
read -r -t 20 pty <&"${SIM[0]}"
if [ -z "$pty" ]; then
    fail "the unpacked simulator did not start: $(cat "$root/sim.err")"
    finish
fi
# Captions come from the base: zrk640ctl found it in the unpacked share/ too.
export ZRK640_CONFIG=$root/settings.conf
out=$("$usr/bin/zrk640ctl" --port "$pty" check 2>&1)
rc=$?
[ $rc -eq 0 ] || fail "unpacked zrk640ctl check exits $rc: $out"
grep -qx 'Прибор: ZRK640' <<<"$out" || fail "check does not name the controller: $out"
grep -qx '(Номер модификации: 3)' <<<"$out" || fail "check does not read modification 3: $out"
out=$("$usr/bin/zrk640ctl" --port "$pty" read n.Ch 2>&1)
[ "$out" = 1 ] || fail "read n.Ch gives '$out', not the base's initial 1"
[ ! -e "$ZRK640_CONFIG" ] || fail "zrk640ctl wrote the settings file"
finish
