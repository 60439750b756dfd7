#!/usr/bin/env bash
# Runs the real program under openbox on its own Xvfb: once the window manager has framed the window, the
# frame's outer size is the layout's 739 x 645 at 188, 70; a size the player gives it stays; maximised it fills
# the work area with the layout where it was, and restored it has its size again; and the window's class is
# the desktop entry's.
# Usage: window_manager_frame_test.sh PROGRAM DESKTOP_ENTRY
set -euo pipefail

program=$(realpath "$1")
entry=$2
work=$(mktemp -d)
xvfb_pid=
wm_pid=
game_pid=

cleanup() {
    for pid in "$game_pid" "$wm_pid" "$xvfb_pid"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid"
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls a command every 0.2 s until it succeeds; generous, because a loaded machine is slow but gets there.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$what within $seconds s"
        sleep 0.2
    done
}

# Xvfb picks a free display itself and reports it, so parallel runs never collide.
# The server and the program die with this script even when it is killed (setpriv --pdeathsig), and write
# nothing to the test runner's pipe, which a stray one would keep open.
setpriv --pdeathsig KILL Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" \
    >/dev/null 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 20 "Xvfb did not report its display" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"

# A home of its own, so no configuration of the machine's user changes the frame.
mkdir -p "$work/home" "$work/config"
HOME="$work/home" setpriv --pdeathsig KILL openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 30 "openbox did not start: $(cat "$work/openbox.log")" wm_running

# shellcheck source=tests/ui/program_env.sh
. "$(dirname "$0")/program_env.sh"
program_env "$work" DISPLAY="$DISPLAY" setpriv --pdeathsig KILL "$program" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pairfinder$' | head -n1) ||
    fail "no window called Pairfinder within 60 s: $(cat "$work/game.log")"

# The frame as the window manager draws it: the window's ancestor just below the root.
tree_field() { xwininfo -tree -id "$1" | sed -n "s/^ *$2 window id: \(0x[0-9a-f]*\).*/\1/p"; }
frame_of() {
    local id=$1 root parent
    root=$(tree_field "$id" Root)
    for _ in 1 2 3 4 5 6 7 8; do
        parent=$(tree_field "$id" Parent)
        [ -n "$parent" ] || break
        if [ "$parent" = "$root" ]; then
            echo "$id"
            return
        fi
        id=$parent
    done
    fail "no frame found round window $1"
}
outer() {
    xwininfo -id "$(frame_of "$window")" |
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
             END {print w "x" h "+" x "+" y}'
}
framed() { xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '= '; }
wait_for 30 "openbox did not frame the window" framed

# The program answers the frame with a resize of its own: wait until two reads a second apart agree.
expected="739x645+188+70"
stable_at_expected() {
    local first second
    first=$(outer)
    sleep 1
    second=$(outer)
    [ "$first" = "$second" ] && [ "$second" = "$expected" ]
}
if ! (wait_for 30 "" stable_at_expected) 2>/dev/null; then
    fail "the frame is $(outer) with extents $(xprop -id "$window" _NET_FRAME_EXTENTS), not $expected"
fi
echo "frame $(outer), extents $(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')"

# The client area's top left, where the layout lies; it must not move when the window is maximised.
import -window "$window" -crop 400x300+0+0 +repage "$work/layout.png"

# A size the player drags the window to stays: the frame is taken off once, not on every resize.
xdotool windowsize "$window" 500 400
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
expected="$((500 + left + right))x$((400 + top + bottom))+188+70"
if ! (wait_for 30 "" stable_at_expected) 2>/dev/null; then
    fail "after a resize to 500 x 400 the frame is $(outer), not $expected"
fi
echo "resized by hand: frame $(outer)"

# Maximised through the window manager, the window fills the work area and stays so, with the layout at the top
# left; restored, it has the size it had before.
restored=$expected
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q "MAXIMIZED_VERT.*MAXIMIZED_HORZ\|MAXIMIZED_HORZ.*MAXIMIZED_VERT"; }
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
read -r x y width height _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
expected="${width}x${height}+${x}+${y}"
if ! (wait_for 30 "" stable_at_expected) 2>/dev/null || ! maximised; then
    fail "maximised, the frame is $(outer) and the state $(xprop -id "$window" _NET_WM_STATE), not $expected"
fi
import -window "$window" -crop 400x300+0+0 +repage "$work/maximised.png"
changed=$(compare -metric AE "$work/layout.png" "$work/maximised.png" /dev/null 2>&1 || true)
[ "$changed" = 0 ] || fail "maximised, $changed pixels of the layout's top left changed"
echo "maximised: frame $(outer), the layout at the top left as before"
wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
expected=$restored
if ! (wait_for 30 "" stable_at_expected) 2>/dev/null; then
    fail "restored, the frame is $(outer), not $expected"
fi
echo "restored: frame $(outer)"

# Docks and task bars link a window to its launcher by its class.
class=$(xprop -id "$window" WM_CLASS | sed 's/.*= //')
[ "$class" = '"pairfinder", "pairfinder"' ] || fail "the window's class is $class"
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$startup_class" = pairfinder ] || fail "the desktop entry's StartupWMClass is '$startup_class', not pairfinder"
echo "class $class matches StartupWMClass of $(basename "$entry")"
