#!/usr/bin/env bash
# Whether the window goes on recording through its automatic searches, with nobody at the screen: the
# window (offscreen) monitors the simulator's mixed plant (4 inverters, 38400 baud) with "Auto search" every
# minute and a reading every minute. The run prints when each search began and ended, seen on the line
# (the scan's requests to the addresses beyond the plant), the readings recorded in the 90 s after the
# first search fell due, and the longest times without a reading and without a request to the plant's
# inverters, all in seconds after monitoring started (its first reading).
#   bench/window_auto_search.sh [build directory] [seconds]   (default: 240)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
seconds=${2:-240}
app="$build/app"
home=$(mktemp -d)
sim=""
window=""
cleanup() {
  for pid in "$window" "$sim"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$home"
}
trap cleanup EXIT

mkdir -p "$home/cln" "$home/ports"
cp "$app/cln/lumora.db" "$home/cln/lumora.db"
cp "$app/cln/lumora.db" "$home/lumora.db"
touch "$home/110"
cat >"$home/app.ini" <<'INI'
[General]
LANG=0
COMPortFrm_com_name=COM7
COMPortFrm_baud_index=5
INV_ADDR="1,2,3,4"
sbSaveInterval=1
rbAuto=1
auto_search=1
auto_search_time=1
INI

simStart=$(date +%s.%N)
"$app/lumora-sim" tools/sim/scenarios/mixed-plant.json --time 12:00 --link "$home/ports/COM7" --verbose \
  >"$home/sim.log" 2>&1 &
sim=$!
for _ in $(seq 500); do [ -e "$home/ports/COM7" ] && break; sleep 0.01; done
# The saved port exists and inverters are saved: the window starts monitoring by itself.
LUMORA_HOME="$home" QT_QPA_PLATFORM=offscreen "$app/lumora" >"$home/window.log" 2>&1 &
window=$!
sleep "$seconds"
end=$(date +%s.%N)
kill -TERM "$window" && wait "$window" || true
window=""

sqlite3 "$home/lumora.db" "SELECT log_time FROM orva_monitor_log ORDER BY id" >"$home/readings.txt"
python3 - "$home/sim.log" "$simStart" "$home/readings.txt" "$end" <<'PY'
import re, sys, time
trace, sim_start, readings_file = sys.argv[1], float(sys.argv[2]), sys.argv[3]
readings = [time.mktime(time.strptime(line.strip(), "%Y-%m-%d %H:%M:%S"))
            for line in open(readings_file) if line.strip()]
if not readings:
    sys.exit("no reading recorded")
start = readings[0]  # the first cycle records every inverter
end = float(sys.argv[4]) - start
# The scan asks every address in turn: a request to an address beyond the plant's four is a search.
searches, polls = [], []
for line in open(trace):
    m = re.match(r"\s*(\d+\.\d+) <- .*\(addr (\d+) ", line)
    if not m:
        continue
    t = sim_start + float(m.group(1)) / 1000 - start
    if int(m.group(2)) <= 4:
        polls.append(t)
        continue
    if not searches or t - searches[-1][1] > 5:
        searches.append([t, t])
    searches[-1][1] = t
print("%d readings in %.0f s, the last at %.0f s" % (len(readings), end, readings[-1] - start))
for i, (begin, stop) in enumerate(searches, 1):
    print("search %d on the line: %.0f s to %.0f s" % (i, begin, stop))
# The first automatic search falls due one interval after monitoring started, beside the minute's reading.
due = [r for r in readings if 61 <= r - start < 151]
print("readings in the 90 s after the first search fell due (61 s to 151 s): %d" % len(due))
gaps = [b - a for a, b in zip(readings, readings[1:] + [end + start])]
print("longest time without a reading: %.0f s" % max(gaps))
silent = max(((b - a, a) for a, b in zip(polls, polls[1:] + [end])), default=(0, 0))
print("longest time the plant's addresses were not asked: %.0f s (from %.0f s); last request at %.0f s" %
      (silent[0], silent[1], polls[-1] if polls else 0))
PY
