#!/usr/bin/env bash
# Cold start of the desktop program: from process start to the main page
# loaded, under a virtual X display. Runs the program RUNS times (default 5)
# with TALVOREN_QUIT_WHEN_LOADED set, which makes it print the moment its
# main page finished loading and end.
#   bench/cold_start.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail
build="${1:-build}"
runs="${2:-5}"
program="$build/bin/talvoren"
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" TALVOREN_CONFIG_DIR="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/home/.config"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu" TALVOREN_QUIT_WHEN_LOADED=1

times=()
for ((i = 1; i <= runs; ++i)); do
  start=$(date +%s%3N)
  line=$("$program" 2>/dev/null | grep 'main page loaded' || true)
  case "$line" in
    "main page loaded: yes at "*) ;;
    *) echo "run $i: the main page did not load ($line)" >&2; exit 1 ;;
  esac
  loaded=${line##* at }
  loaded=${loaded% ms}
  times+=($((loaded - start)))
  echo "run $i: $((loaded - start)) ms"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "cold start, process start to main page loaded: median ${sorted[$((runs / 2))]} ms, best ${sorted[0]} ms, worst ${sorted[$((runs - 1))]} ms (target < 1500 ms)"
