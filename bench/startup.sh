#!/usr/bin/env bash
# Times the start-up of the editor beside three floor programs on a private Xvfb display: until
# the first window maps, until it is first painted, and until the window titled "QUARVEN EDITOR"
# maps (for the editor the message that follows its open dialog answered with Escape), with each
# program's peak memory. The floors are a minimal Qt window, empty and with a line of text, and
# one that first shows Qt's non-native file dialog with the editor's title, as the editor must.
# The programs take turns run by run (each round in another order), after one round to warm the
# caches; then the minimum, median and maximum of every figure are printed.
#   bench/startup.sh [BUILD_DIR] [RUNS] [DISPLAY]
# BUILD_DIR configured with -DQUARVEN_BENCH=ON (default build-bench), RUNS rounds (default 15),
# DISPLAY the number for Xvfb such as :87 (default: the first free one).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-bench}"
runs="${2:-15}"
display="${3:-}"
editor="$dir/quarven-editor"
floor="$dir/bench/minimal_window"
for f in "$editor" "$floor" "$dir/bench/startup_probe"; do
  [ -x "$f" ] || { echo "missing $f: cmake --build $dir" >&2; exit 2; }
done

work=$(mktemp -d)
if [ -n "$display" ]; then
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
  xvfb=$!
else
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  display=":$(cat "$work/display")"
fi
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"

names=("minimal Qt window, empty" "minimal Qt window with a line of text"
  "floor: Qt file dialog, then the window" "QUARVEN EDITOR")
commands=("$floor" "$floor --text" "$floor --dialog" "$editor")
count=${#commands[@]}

# One run of program $1; appends its four figures (first map, first paint, "QUARVEN EDITOR" map,
# peak memory) as a line to $work/<program>.
probe() {
  # shellcheck disable=SC2086  # the command carries its arguments
  "$dir/bench/startup_probe" --runs 1 --cancel "Open A SNES QUARVEN Rom." -- ${commands[$1]} |
    head -1 | grep -o '[0-9.]\+ \(ms\|MiB\)' | awk '{printf "%s ", $1} END {print ""}' >>"$work/$1"
}

for i in $(seq 0 $((count - 1))); do probe "$i"; : >"$work/$i"; done  # warm-up round, not counted
for round in $(seq 0 $((runs - 1))); do
  for k in $(seq 0 $((count - 1))); do probe $(((round + k) % count)); done
done

# min, median and max of column $2 of file $1, each printed with format $3
spread() {
  cut -d' ' -f"$2" "$1" | sort -g | awk -v f="${3:-%6.1f}" '{v[NR] = $1}
    END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf f " " f " " f, v[1], m, v[NR]}'
}
echo "$runs runs of each program, taking turns; min / median / max"
printf "%-40s %22s %22s %22s %22s\n" "" "first window, ms" "first paint, ms" "\"QUARVEN EDITOR\", ms" \
  "peak memory, MiB"
for i in $(seq 0 $((count - 1))); do
  printf "%-40s %22s %22s %22s %22s\n" "${names[$i]}" "$(spread "$work/$i" 1)" "$(spread "$work/$i" 2)" \
    "$(spread "$work/$i" 3)" "$(spread "$work/$i" 4)"
done
# The editor against each floor, round by round (the runs of a round are close in time).
echo
echo "editor / floor, round by round: min / median / max"
for i in 0 1 2; do
  for column in 1 2; do
    paste -d' ' "$work/3" "$work/$i" | awk -v c="$column" -v n=4 '{print $c / $(c + n)}' >"$work/ratio"
    printf "%-40s %s %s\n" "${names[$i]}" "$([ "$column" = 1 ] && echo "first window:" || echo "first paint: ")" \
      "$(spread "$work/ratio" 1 %.2fx)"
  done
done
