#!/usr/bin/env bash
# How soon the inverters are back after the line was lost: lumora-logger against lumora-sim (the mixed
# plant, 4 inverters, 38400 baud). For each outage length the simulator is stopped (its port is gone)
# and started again; the run prints when the logger said the line was back and when its first cycle
# showed all 4 inverters online, in seconds after the port was there again, and the inverters online
# at 5, 10 and 15 s.
#   bench/logger_line_return.sh [build directory] [outage seconds ...]   (default: 5 20 60)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
shift || true
outages=("$@")
[ ${#outages[@]} -gt 0 ] || outages=(5 20 60)
app="$build/app"
home=$(mktemp -d)
sim=""
logger=""
cleanup() {
  for pid in "$logger" "$sim"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$home"
}
trap cleanup EXIT

start_sim() {
  "$app/lumora-sim" tools/sim/scenarios/mixed-plant.json --time 12:00 --link "$home/ports/COM7" >>"$home/sim.log" 2>&1 &
  sim=$!
  for _ in $(seq 500); do [ -e "$home/ports/COM7" ] && break; sleep 0.01; done
  up=$(date +%s.%N) # the port is there again
}

echo "outage | line back | all 4 online | online at 5 s | 10 s | 15 s"
for outage in "${outages[@]}"; do
  rm -rf "${home:?}"/*
  mkdir -p "$home/cln" "$home/ports"
  cp "$app/cln/lumora.db" "$home/cln/lumora.db"
  cp "$app/cln/lumora.db" "$home/lumora.db"
  printf '[General]\nLANG=0\nCOMPortFrm_com_name=COM7\nCOMPortFrm_baud_index=5\nINV_ADDR="1,2,3,4"\nrbAuto=1\n' \
    >"$home/app.ini"
  start_sim
  # Every console line with the time it came.
  LUMORA_HOME="$home" stdbuf -oL "$app/lumora-logger" > >(
    while IFS= read -r line; do printf '%s %s\n' "$(date +%s.%N)" "$line"; done >"$home/logger.out") 2>&1 &
  logger=$!
  sleep 10
  kill -TERM "$sim" && wait "$sim" || true
  sim=""
  sleep "$outage"
  start_sim
  sleep $((outage + 20))
  kill -TERM "$logger" && wait "$logger" || true
  kill -TERM "$sim" && wait "$sim" || true
  logger=""
  sim=""
  sleep 0.5 # the last lines through the time stamps
  python3 - "$home/logger.out" "$up" "$outage" <<'PY'
import re, sys
up, outage = float(sys.argv[2]), sys.argv[3]
back = allon = None
online = []  # (seconds after the return, inverters online)
for line in open(sys.argv[1]):
    stamp, text = line.split(" ", 1)
    t = float(stamp) - up
    if t < -0.1:  # the port's link is seen here every 10 ms
        continue
    if back is None and text.startswith("Line back"):
        back = t
    m = re.match(r"cycle \d+: (\d+) of (\d+) inverters online", text)
    if m:
        online.append((t, int(m.group(1))))
        if allon is None and m.group(1) == m.group(2):
            allon = t
def at(s):
    seen = [n for t, n in online if t <= s]
    return str(seen[-1]) if seen else "0"
fmt = lambda t: "%.1f s" % t if t is not None else "never"
print("%s s | %s | %s | %s | %s | %s" % (outage, fmt(back), fmt(allon), at(5), at(10), at(15)))
PY
done
