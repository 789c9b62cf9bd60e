#!/usr/bin/env bash
# Times the editor's start-up until its first window (the open dialog) is mapped, and on until the
# message that follows the dialog answered with Escape, beside a minimal Qt window program with and
# without a line of text, on a private Xvfb display.
#   bench/startup.sh [BUILD_DIR] [RUNS]      BUILD_DIR configured with -DQUARVEN_BENCH=ON
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-bench}"
runs="${2:-15}"
editor="$dir/quarven-editor"
for f in "$editor" "$dir/bench/minimal_window" "$dir/bench/startup_probe"; do
  [ -x "$f" ] || { echo "missing $f: cmake --build $dir" >&2; exit 2; }
done

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$displayfile")"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

probe() {
  # One run first to warm the caches, then the measured ones. Prints the medians of the first
  # window and of the window titled "QUARVEN EDITOR".
  "$dir/bench/startup_probe" --runs 1 --cancel "Open A SNES QUARVEN Rom." -- "$@" >/dev/null
  "$dir/bench/startup_probe" --runs "$runs" --cancel "Open A SNES QUARVEN Rom." -- "$@" | tail -1 |
    awk '{print $4, $8}'
}
read -r minimal _ < <(probe "$dir/bench/minimal_window")
read -r text _ < <(probe "$dir/bench/minimal_window" --text)
read -r dialog box < <(probe "$editor")
echo "minimal Qt window:           median $minimal ms"
echo "minimal Qt window with text: median $text ms"
echo "QUARVEN EDITOR, first window (the open dialog):          median $dialog ms"
echo "QUARVEN EDITOR, its message after the dialog is cancelled: median $box ms"
awk -v d="$dialog" -v b="$box" -v m="$minimal" -v t="$text" 'BEGIN {
  printf "first window: %.2fx the window with text, %.2fx the empty one (target 1.5x)\n", d / t, d / m
  printf "message box:  %.2fx the window with text, %.2fx the empty one\n", b / t, b / m }'
