# Shared by the package tests: failures are counted, and the script reports
# every one before it ends.
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    [ "$failures" -eq 0 ] && echo "ok" && exit 0
    echo "$failures failure(s)" >&2
    exit 1
}
# Runs a program with no display at all, as on a console or over ssh.
headless() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
}
# Unpacks the .deb $1 into a new temporary folder $root, removed at exit.
unpack() {
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$1" "$root" || { echo "FAIL: dpkg-deb -x $1" >&2; exit 1; }
}
