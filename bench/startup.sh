#!/usr/bin/env bash
# Times one program from process start to its first window being mapped, and its peak resident memory.
# Usage: startup.sh DISPLAY PROGRAM [ARGUMENTS...] -> prints "<milliseconds> <peak KiB>".
set -euo pipefail
display=$1
program=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# xev reports every window mapped on the root; the reader stamps the first one with bash's own clock.
(stdbuf -oL xev -display "$display" -root -event substructure 2>/dev/null |
  while IFS= read -r line; do
    if [[ $line == MapNotify* ]]; then echo "$EPOCHREALTIME" >"$work/mapped"; break; fi
  done) &
reader=$!
sleep 0.3

start=$EPOCHREALTIME
DISPLAY=$display XDG_CONFIG_HOME=$work /usr/bin/time -f %M -o "$work/rss" "$program" "$@" >/dev/null 2>&1 &
runner=$!

for _ in $(seq 1 1000); do
  [ -s "$work/mapped" ] && break
  sleep 0.01
done
# Let the first paint and any deferred work finish before the memory peak is read.
sleep 0.5
pkill -TERM -P "$runner" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
kill "$reader" 2>/dev/null || true
pkill -P "$reader" 2>/dev/null || true

if [ ! -s "$work/mapped" ]; then echo "no window mapped" >&2; exit 1; fi
mapped=$(cat "$work/mapped")
rss=$(grep -E '^[0-9]+$' "$work/rss" | tail -n 1)
python3 -c "print(f'{($mapped - $start) * 1000:.1f} ${rss:-0}')"
