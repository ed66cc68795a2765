#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build, each for SECONDS, starting from
# its seed corpus in fuzz/corpus/<name>/ (read only: new inputs go to a
# temporary folder). Prints each target's executions; a crash, a sanitizer
# report, a failed check or a hang ends the script with status 1 and leaves
# the input that caused it in the folder named in the output.
#   fuzz/run.sh BUILD_FOLDER [SECONDS] [NAME...]      (default 20 s, all targets)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?usage: fuzz/run.sh BUILD_FOLDER [SECONDS] [NAME...]}"
seconds="${2:-20}"
shift $(($# < 2 ? $# : 2))
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for folder in "$here"/corpus/*/; do
    names+=("$(basename "$folder")")
  done
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/talvoren-fuzz.XXXXXX")"
failed=0
for name in "${names[@]}"; do
  program="$build/bin/fuzz_$name"
  if [ ! -x "$program" ]; then
    echo "fuzz_$name: not built" >&2
    failed=1
    continue
  fi
  mkdir -p "$work/$name/corpus" "$work/$name/artifacts"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$work/$name/artifacts/")
  [ -f "$here/dict/$name.dict" ] && options+=(-dict="$here/dict/$name.dict")
  log="$work/$name/log"
  if "$program" "${options[@]}" "$work/$name/corpus" "$here/corpus/$name" > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    units=$(ls "$work/$name/corpus" | wc -l)
    echo "fuzz_$name: ${runs:-?} executions in ${seconds} s, no finding (${units} new inputs)"
  else
    failed=1
    echo "fuzz_$name: FINDING, see $log and $work/$name/artifacts/" >&2
    grep -E 'ERROR|SUMMARY|check failed|runtime error' "$log" | head -5 >&2 || true
  fi
done
if [ $failed -eq 0 ]; then
  rm -rf "$work"
fi
exit $failed
