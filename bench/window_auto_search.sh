#!/usr/bin/env bash
# Whether the window goes on recording through its automatic searches, with nobody at the screen: the
# window (offscreen) monitors the simulator's mixed plant (4 inverters, 38400 baud) with "Auto search" every
# minute and a reading every minute. The run prints when each search began and ended, seen on the line
# (the scan's requests to the addresses beyond the plant), the readings recorded and when, the readings in
# the 90 s after polling stopped for the first search, and the longest time without a reading, all in
# seconds after monitoring started (its first reading).
#   bench/window_auto_search.sh [build directory] [seconds]   (default: 240)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
seconds=${2:-240}
app="$build/app"
source bench/benchhome.sh
window=""
processes=(window sim)

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
start_sim tools/sim/scenarios/mixed-plant.json --time 12:00 --verbose
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
batches = {}
for r in readings:
    batches[round(r - start)] = batches.get(round(r - start), 0) + 1
print("readings (s: count): " + ", ".join("%d: %d" % kv for kv in sorted(batches.items())))
for i, (begin, stop) in enumerate(searches, 1):
    print("search %d scanned the line from %.0f s to %.0f s" % (i, begin, stop))
# Polling stops for the first automatic search: the plant's first silence of more than 10 s.
stopped = next((a for a, b in zip(polls, polls[1:] + [end]) if b - a > 10), None)
if stopped is not None:
    after = [r for r in readings if stopped + 2 < r - start <= stopped + 92]
    print("polling stopped for the first search at %.0f s; readings in the 90 s after: %d" % (stopped, len(after)))
gaps = [b - a for a, b in zip(readings, readings[1:] + [end + start])]
print("longest time without a reading: %.0f s (of %.0f s)" % (max(gaps), end))
PY
