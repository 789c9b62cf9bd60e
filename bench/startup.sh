#!/usr/bin/env bash
# Times the editor's start-up until its window is mapped (the open dialog answered with Escape)
# beside a minimal Qt window program, with and without a line of text, on a private Xvfb display.
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
  # One run first to warm the caches, then the measured ones.
  "$dir/bench/startup_probe" --runs 1 --cancel "Open A SNES QUARVEN Rom." -- "$@" >/dev/null
  "$dir/bench/startup_probe" --runs "$runs" --cancel "Open A SNES QUARVEN Rom." -- "$@" | tail -1 | awk '{print $2}'
}
minimal=$(probe "$dir/bench/minimal_window")
text=$(probe "$dir/bench/minimal_window" --text)
editor_ms=$(probe "$editor")
echo "minimal Qt window:           median $minimal ms"
echo "minimal Qt window with text: median $text ms"
echo "QUARVEN EDITOR:              median $editor_ms ms (open dialog answered with Escape)"
awk -v e="$editor_ms" -v m="$minimal" -v t="$text" \
  'BEGIN { printf "ratio: %.2fx the minimal window, %.2fx the one with text (target 1.5x)\n", e / m, e / t }'
