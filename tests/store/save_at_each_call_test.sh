#!/usr/bin/env bash
# Stops a real save at each system call that writes, syncs or renames: once by killing the process there,
# once by making the call fail. Every time the file must hold the old table or the new one whole, a failed
# save must say so and leave the old file byte for byte, and the next save must sweep up what was left.
# Usage: save_at_each_call_test.sh STORE_TOOL
set -euo pipefail
tool=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/pairfinder-calls-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work
folder=$work/pairfinder
file=$folder/registry.reg
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

table_of_round() {
  printf 'R%sa %d\nR%sb %d\nR%sc %d\n' "$1" $(($1 * 3 + 1)) "$1" $(($1 * 3 + 2)) "$1" $(($1 * 3 + 3))
}

# point: the call and which one of its kind; before: whether the file still holds the old table when the
# process dies there (false once the rename is done).
points=("fchmod:1 old" "write:1 old" "fsync:1 old" "rename:1 old" "fsync:2 new")
round=1
"$tool" save "$round"
for entry in "${points[@]}"; do
  read -r point after <<<"$entry"
  call=${point%%:*}
  when=${point##*:}
  for how in kill fail; do
    old=$round
    new=$((round + 1))
    cp "$file" "$work/before"
    case $how in
      kill) inject="$call:signal=KILL:when=$when" ;;
      fail) inject="$call:error=EIO:when=$when" ;;
    esac
    status=0
    strace -f -o /dev/null -e inject="$inject" "$tool" save "$new" 2>"$work/stderr" || status=$?
    loaded=$("$tool" load)
    expected=$old
    # The folder's fsync comes after the rename: the new file is in place, its failure changes nothing.
    [ "$after" = new ] && expected=$new
    if [ "$loaded" != "$(table_of_round "$expected")" ]; then
      fail "$how at $point: expected the table of round $expected, found: $loaded"
    fi
    if [ "$how" = kill ] && [ "$status" -ne 137 ]; then
      fail "$how at $point: the save was not killed there (exit $status)"
    fi
    if [ "$how" = fail ] && [ "$after" = old ]; then
      if [ "$status" -ne 1 ] || [ "$(cat "$work/stderr")" != "Failed to set data for 'sErster'" ]; then
        fail "$how at $point: exit $status, said: $(cat "$work/stderr")"
      fi
      cmp -s "$file" "$work/before" || fail "$how at $point: the old file was changed"
      [ "$(ls "$folder")" = registry.reg ] || fail "$how at $point: left $(ls "$folder" | tr '\n' ' ')"
    fi
    if [ "$how" = kill ] && [ "$after" = old ] && [ "$(ls "$folder" | wc -l)" -ne 2 ]; then
      fail "$how at $point: the killed save left no temp file, so it died somewhere else"
    fi
    round=$expected
    # Whatever the stop left, the next save sweeps it away.
    round=$((round + 1))
    "$tool" save "$round"
    [ "$(ls "$folder")" = registry.reg ] || fail "after $how at $point, the next save left $(ls "$folder" | tr '\n' ' ')"
    [ "$("$tool" load)" = "$(table_of_round "$round")" ] || fail "after $how at $point, the next save was not kept"
    echo "$how at $point: the table of round $expected, whole"
  done
done
[ "$failures" -eq 0 ] || exit 1
echo "${#points[@]} calls, killed and failed: every stop left one whole table"
