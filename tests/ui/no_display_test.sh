#!/usr/bin/env bash
# Started without a display the program says so in one line on stderr and ends with 1, with no abort and no
# core dump, whether no display is named or the named one is not there; offscreen it still starts.
set -euo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shellcheck source=tests/ui/program_env.sh
. "$(dirname "$0")/program_env.sh"

# Runs the program in a bare environment plus the given variables; it must end on its own within 60 s.
expect_refusal() {
    local what=$1
    shift
    local status=0
    program_env "$work" "$@" timeout 60 "$program" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || fail "$what: exit code $status, not 1; stderr: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$what: wrote to stdout: $(cat "$work/out")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: stderr is not one line: $(cat "$work/err")"
    grep -q '^pairfinder: no display to open the window on' "$work/err" ||
        fail "$what: stderr does not say there is no display: $(cat "$work/err")"
    echo "$what: $(cat "$work/err")"
}

expect_refusal "no DISPLAY nor WAYLAND_DISPLAY"
expect_refusal "an empty DISPLAY" DISPLAY=

# A display number nobody serves.
number=917
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
expect_refusal "DISPLAY=:$number with no server" DISPLAY=":$number"
expect_refusal "xcb asked for by name, no server" DISPLAY=":$number" QT_QPA_PLATFORM=xcb

# Offscreen needs no display: the program must get as far as its event loop and stay there.
status=0
program_env "$work" QT_QPA_PLATFORM=offscreen timeout 10 "$program" >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 124 ] || fail "offscreen the program ended by itself with $status: $(cat "$work/err")"
echo "offscreen: still running after 10 s"
