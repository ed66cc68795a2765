#!/usr/bin/env bash
# Talvoren against two JavaScript peers, in one run:
#   - 100 years of calendar generation: romcal (with the calendar bundle
#     @romcal/calendar.general-roman) against the year engine computing each
#     year afresh from the shipped Vietnamese data;
#   - 100,000 lunar conversions of consecutive days from 1 January 1900:
#     amlich against CLunarCalendar; also 10,000 days from 1 January 2200,
#     outside Talvoren's year table.
# The peers are installed from npm into a temporary folder that is removed at
# the end. Talvoren's side runs in one process (bench/PeerDriver.cpp), as the
# peers do in one Node process; 100 runs of talvoren-cal, one per year, are
# timed as well. Each side first does one untimed round of warm-up.
#   bench/compare-peers.sh [BUILD_FOLDER]          (default: build)
# Versions: ROMCAL_VERSION (default 3.0.0-dev.119, the newest romcal that the
# calendar bundle's release accepts), AMLICH_VERSION (default 0.0.2).
set -euo pipefail
build="$(cd "${1:-build}" && pwd)" || { echo "no build folder ${1:-build}" >&2; exit 2; }
driver="$build/bin/peer_driver"
cal="$build/bin/talvoren-cal"
romcal_version="${ROMCAL_VERSION:-3.0.0-dev.119}"
amlich_version="${AMLICH_VERSION:-0.0.2}"
for program in "$driver" "$cal"; do
  [ -x "$program" ] || { echo "no $program: build the benchmarks first (scripts/bench, or -DTALVOREN_BENCH=ON)" >&2; exit 2; }
done
command -v node > /dev/null && command -v npm > /dev/null || { echo "node and npm are needed" >&2; exit 2; }

work="$(mktemp -d "${TMPDIR:-/tmp}/talvoren-peers.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/romcal" "$work/config"
cd "$work/romcal"
echo '{"name":"talvoren-peers","private":true}' > package.json
npm install --silent --no-audit --no-fund --no-save \
  "romcal@$romcal_version" "@romcal/calendar.general-roman@$romcal_version" "amlich@$amlich_version" > npm.log 2>&1 ||
  { cat npm.log >&2; exit 1; }
versions=$(node -e 'const fs = require("fs");
  for (const p of ["romcal", "@romcal/calendar.general-roman", "amlich"])
    process.stdout.write(p + " " + JSON.parse(fs.readFileSync("node_modules/" + p + "/package.json")).version + "; ")')

cat > years.js <<'JS'
// 100 years of calendar generation with romcal: one Romcal object, one
// generateCalendar per year, after one year of warm-up.
const { Romcal } = require('romcal');
const { GeneralRoman_En } = require('@romcal/calendar.general-roman');
const [first, count] = process.argv.slice(2).map(Number);
(async () => {
  const romcal = new Romcal({ localizedCalendar: GeneralRoman_En, scope: 'gregorian' });
  await romcal.generateCalendar(first);
  let days = 0;
  const start = process.hrtime.bigint();
  for (let year = first; year < first + count; ++year)
    days += Object.keys(await romcal.generateCalendar(year)).length;
  const elapsed = process.hrtime.bigint() - start;
  process.stdout.write(`RESULT elapsed_ns ${elapsed} days ${days}\n`);
})();
JS

cat > lunar.js <<'JS'
// Lunar conversions of consecutive days with amlich (time zone UTC+7),
// after one untimed round; optionally writes each result.
const amlich = require('amlich');
const fs = require('fs');
const [y0, m0, d0, count] = process.argv.slice(2, 6).map(Number);
const file = process.argv[7 - 1];
const dates = [];
for (let i = 0, t = Date.UTC(y0, m0 - 1, d0); i < count; ++i, t += 86400000) {
  const date = new Date(t);
  dates.push([date.getUTCDate(), date.getUTCMonth() + 1, date.getUTCFullYear()]);
}
const results = new Array(count);
let elapsed = 0n;
for (let round = 0; round < 2; ++round) {
  const start = process.hrtime.bigint();
  for (let i = 0; i < count; ++i)
    results[i] = amlich.convertSolar2Lunar(dates[i][0], dates[i][1], dates[i][2], 7);
  elapsed = process.hrtime.bigint() - start;
}
if (file)
  fs.writeFileSync(file, results.map((r, i) => `${dates[i][2]}-${dates[i][1]}-${dates[i][0]} ${r[0]}/${r[1]}/${r[2]}/${r[3]}`).join('\n') + '\n');
process.stdout.write(`RESULT elapsed_ns ${elapsed}\n`);
JS

# The number after "elapsed_ns" in the output.
elapsed() { sed -n 's/^\(RESULT \)\{0,1\}elapsed_ns \([0-9]*\).*/\2/p'; }
# a / b with one decimal.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
# n nanoseconds over `count` units, in microseconds.
per() { awk -v n="$1" -v c="$2" 'BEGIN { printf "%.3f", n / c / 1000 }'; }

echo "Peers: ${versions%; }"
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores; node $(node --version); $(date -u +%Y-%m-%d)"
echo

export TALVOREN_CONFIG_DIR="$work/config"
romcal_ns=$(node years.js 2000 100 2> /dev/null | grep '^RESULT' | elapsed)
ours_ns=$("$driver" years 2000 100 | elapsed)
start=$(date +%s%N)
for ((year = 2000; year < 2100; ++year)); do
  "$cal" "$year" > /dev/null
done
cal_ns=$(( $(date +%s%N) - start ))

amlich_ns=$(node lunar.js 1900 1 1 100000 "$work/amlich.txt" 2> /dev/null | grep '^RESULT' | elapsed)
lunar_ns=$("$driver" lunar 1900 1 1 100000 "$work/talvoren.txt" | elapsed)
amlich_out_ns=$(node lunar.js 2200 1 1 10000 2> /dev/null | grep '^RESULT' | elapsed)
lunar_out_ns=$("$driver" lunar 2200 1 1 10000 | elapsed)
# Both use UTC+7 from 30 January 1968 (Talvoren UTC+8 before it): the
# results from then on must agree.
from=$(grep -n '^1968-1-30 ' "$work/talvoren.txt" | cut -d: -f1)
differ=$(paste -d' ' "$work/talvoren.txt" "$work/amlich.txt" | tail -n +"$from" | awk '$1 != $3 || $2 != $4' | wc -l)
compared=$(tail -n +"$from" "$work/talvoren.txt" | wc -l)

printf '%-44s %14s %14s %10s\n' "work" "peer" "Talvoren" "ratio"
printf '%-44s %11s ms %11s ms %9sx\n' "100 years (romcal / peer_driver)" \
  "$((romcal_ns / 1000000))" "$((ours_ns / 1000000))" "$(ratio "$romcal_ns" "$ours_ns")"
printf '%-44s %11s µs %11s µs\n' "  per year" "$(per "$romcal_ns" 100)" "$(per "$ours_ns" 100)"
printf '%-44s %11s ms %11s ms %9sx\n' "100 years, one talvoren-cal process each" \
  "$((romcal_ns / 1000000))" "$((cal_ns / 1000000))" "$(ratio "$romcal_ns" "$cal_ns")"
printf '%-44s %11s µs %11s µs %9sx\n' "lunar, 100,000 days from 1900 (per date)" \
  "$(per "$amlich_ns" 100000)" "$(per "$lunar_ns" 100000)" "$(ratio "$amlich_ns" "$lunar_ns")"
printf '%-44s %11s µs %11s µs %9sx\n' "lunar, 10,000 days from 2200 (per date)" \
  "$(per "$amlich_out_ns" 10000)" "$(per "$lunar_out_ns" 10000)" "$(ratio "$amlich_out_ns" "$lunar_out_ns")"
echo
echo "Lunar dates from 30 January 1968: $((compared - differ)) of $compared agree with amlich."
echo "Goals: at least 20x romcal per year ($(ratio "$romcal_ns" "$ours_ns")x), at least 10x amlich per conversion ($(ratio "$amlich_ns" "$lunar_ns")x)."
