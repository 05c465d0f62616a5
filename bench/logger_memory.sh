#!/usr/bin/env bash
# The memory of lumora-logger over a long run: one simulated inverter at 38400
# baud without sensors, recording every minute. Prints VmRSS and VmHWM from
# /proc after the first and after the last cycle and their growth; never fails
# on a figure. About 0.5 s a cycle: 2,000 cycles take some 16 minutes.
#   bench/logger_memory.sh [build directory] [first cycle] [last cycle]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
first=${2:-100}
last=${3:-2000}
app="$build/app"
source bench/benchhome.sh
logger=""
processes=(logger sim)

cat > "$home/plant.json" <<'JSON'
{ "inverters": [ { "address": 1, "serial": "LE44A0012345", "type": "LMR-4K4-EU",
                   "live": { "peakPower": 4200, "sunrise": "00:00", "sunset": "23:59" } } ] }
JSON
cat > "$home/app.ini" <<'INI'
[General]
LANG=0
COMPortFrm_com_name=COM7
COMPortFrm_baud_index=5
INV_ADDR=1
sbSaveInterval=1
rbAuto=1
INI

start_sim "$home/plant.json"

LUMORA_HOME="$home" "$app/lumora-logger" >"$home/logger.out" 2>&1 &
logger=$!

# VmRSS and VmHWM in kB once the logger has printed the status line of a cycle.
memory_after() {
  until grep -q "^cycle $1:" "$home/logger.out"; do
    if ! kill -0 "$logger" 2>/dev/null; then
      echo "logger_memory: lumora-logger ended early:" >&2
      cat "$home/logger.out" >&2
      exit 1
    fi
    sleep 0.2
  done
  awk '/^VmRSS:/ {rss = $2} /^VmHWM:/ {hwm = $2} END {print rss, hwm}' "/proc/$logger/status"
}

started=$(date +%s)
read -r rss1 hwm1 < <(memory_after "$first")
read -r rss2 hwm2 < <(memory_after "$last")
seconds=$(( $(date +%s) - started ))
kill -TERM "$logger"
wait "$logger" && logger=""

echo "lumora-logger, one inverter at 38400 baud: $last cycles in $seconds s"
printf '%-16s %10s %10s\n' "" "VmRSS kB" "VmHWM kB"
printf '%-16s %10s %10s\n' "after cycle $first" "$rss1" "$hwm1"
printf '%-16s %10s %10s\n' "after cycle $last" "$rss2" "$hwm2"
awk -v a="$rss1" -v b="$rss2" -v c="$hwm1" -v d="$hwm2" \
  'BEGIN {printf "growth: VmRSS %+d kB (ratio %.3f), VmHWM %+d kB (ratio %.3f)\n", b - a, b / a, d - c, d / c}'
