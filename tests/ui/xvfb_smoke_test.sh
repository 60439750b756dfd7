#!/usr/bin/env bash
# Runs the real program on its own Xvfb: the window appears, MIX IT keeps it running and END IT ends it with 0.
set -euo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid=
game_pid=

cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then kill "$game_pid"; fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid"
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and reports it, so parallel runs never collide.
# The server and the program die with this script even when it is killed (setpriv --pdeathsig), and write
# nothing to the test runner's pipe, which a stray one would keep open.
setpriv --pdeathsig KILL Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" \
    >/dev/null 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start within 30 s: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# shellcheck source=tests/ui/program_env.sh
. "$(dirname "$0")/program_env.sh"
program_env "$work" DISPLAY="$DISPLAY" setpriv --pdeathsig KILL "$program" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pairfinder$' | head -n1) ||
    fail "no window called Pairfinder within 60 s: $(cat "$work/game.log")"
echo "window $window on $DISPLAY"

# Card and menu sizes as the build wrote them out (PAIRFINDER_CARD_METRICS: its card_metrics.env). Layout
# coordinates are in the client area, which starts below the menu bar; every target below is at least 30
# pixels high, so a menu a few pixels taller with other fonts does no harm.
metrics=${PAIRFINDER_CARD_METRICS:?set PAIRFINDER_CARD_METRICS to card_metrics.env in the build folder}
# shellcheck source=/dev/null
. "$metrics"
menu=$MenuBarHeight
click() {
    xdotool mousemove --window "$window" "$1" $(($2 + menu)) click 1
}
# The picture shown by the first card: a checksum of its pixels and the number of its colours.
first_card() {
    import -window "$window" "$work/shot.png"
    convert "$work/shot.png" -crop "${CardSize}x${CardSize}+$CardMargin+$((CardMargin + menu))" +repage \
        -format '%# %k' info:
}
# The first card's picture once it has settled: on a loaded machine a read can catch the card half painted,
# so a picture counts once two reads a short time apart agree. Waits until the test given as $1 holds for
# it, and gives up after a deadline that is generous for a loaded machine.
settled_first_card() {
    local accept=$1 previous current deadline=$((SECONDS + 60))
    previous=$(first_card)
    while :; do
        sleep 0.3
        current=$(first_card)
        if [ "$current" = "$previous" ] && "$accept" "$current"; then
            echo "$current"
            return
        fi
        [ "$SECONDS" -lt "$deadline" ] || return 1
        previous=$current
    done
}
# A window not yet painted shows one flat colour where the card goes.
painted() { [ "${1##* }" -gt 8 ]; }
not_the_back() { [ "$1" != "$back" ]; }
the_back() { [ "$1" = "$back" ]; }

back=$(settled_first_card painted) || fail "the first card was not painted within 60 s"
click 38 38
settled_first_card not_the_back >/dev/null || fail "clicking the first card did not turn it over within 60 s"

click 656 368
settled_first_card the_back >/dev/null || fail "MIX IT did not deal a new game within 60 s"
kill -0 "$game_pid" 2>/dev/null || fail "the program ended after MIX IT: $(cat "$work/game.log")"

click 656 528
status=0
timeout 60 tail --pid="$game_pid" -f /dev/null || fail "END IT did not end the program within 60 s"
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the program ended with exit code $status: $(cat "$work/game.log")"
echo "window appeared, MIX IT dealt anew, END IT ended the program with 0"
