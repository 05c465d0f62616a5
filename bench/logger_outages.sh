#!/usr/bin/env bash
# An unattended run of lumora-logger through both outages it must survive: the
# mixed plant (its error schedule left out, so that every row is a periodic
# reading) at 38400 baud, a reading every minute; the simulator stopped for a
# while (the port gone), and later another program holding the database in an
# exclusive transaction for as long. Then it checks, and exits 1 when a check
# fails:
# - orva_monitor_log holds one reading of every inverter for every one-minute
#   interval of the grid in which the line was up, the minutes of the lock
#   included, none twice;
# - log.txt still holds the lines of both outages;
# - the console says each outage once when it begins and once when it ends,
#   with at most one reminder a minute, and shows the readings waiting.
#   bench/logger_outages.sh [build directory] [run seconds] [outage seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
run=${2:-600}
outage=${3:-60}
app="$build/app"
source bench/benchhome.sh
logger=""
locker=""
processes=(locker logger sim)

python3 - tools/sim/scenarios/mixed-plant.json "$home/plant.json" <<'PY'
import json, sys
plant = json.load(open(sys.argv[1]))
for inverter in plant["inverters"]:
    inverter.pop("schedule", None)
json.dump(plant, open(sys.argv[2], "w"))
PY
cat > "$home/app.ini" <<'INI'
[General]
LANG=0
COMPortFrm_com_name=COM7
COMPortFrm_baud_index=5
INV_ADDR="1,2,3,4"
sbSaveInterval=1
rbAuto=1
INI

at() { # sleeps until second $1 of the run
  local left=$(( started + $1 - $(date +%s) ))
  [ "$left" -gt 0 ] && sleep "$left"
  return 0
}

start_sim "$home/plant.json"
started=$(date +%s)
LUMORA_HOME="$home" "$app/lumora-logger" >"$home/logger.out" 2>&1 &
logger=$!

at $(( run / 4 ))
line_down=$(date +%s.%N)
kill -TERM "$sim" && wait "$sim" || true
at $(( run / 4 + outage ))
start_sim "$home/plant.json"
line_up=$(date +%s.%N)

at $(( run * 11 / 20 ))
lock_from=$(date +%s.%N)
(echo ".timeout 10000"; echo "BEGIN EXCLUSIVE;"; sleep "$outage"; echo "COMMIT;") | sqlite3 "$home/lumora.db" &
locker=$!
wait "$locker" && locker=""
lock_to=$(date +%s.%N)

at "$run"
stopped=$(date +%s.%N)
kill -TERM "$logger"
wait "$logger" && logger=""

echo "lumora-logger for $run s: line down for $outage s from second $(( run / 4 )), database locked for" \
     "$outage s from second $(( run * 11 / 20 ))"
python3 - "$home" "$line_down" "$line_up" "$lock_from" "$lock_to" "$stopped" <<'PY'
import datetime, re, sqlite3, sys
home = sys.argv[1]
line_down, line_up, lock_from, lock_to, stopped = map(float, sys.argv[2:])
failures = []

def check(ok, text):
    print(("ok   " if ok else "FAIL ") + text)
    if not ok:
        failures.append(text)

db = sqlite3.connect(home + "/lumora.db")
rows = db.execute("SELECT sn_name, log_time FROM orva_monitor_log JOIN orva_inverter "
                  "ON orva_inverter.id = inverter_id ORDER BY orva_monitor_log.id").fetchall()
epoch = lambda text: datetime.datetime.strptime(text, "%Y-%m-%d %H:%M:%S").timestamp()
origin = min(epoch(t) for _, t in rows)  # the first cycle's reading lays the grid
intervals = int((stopped - origin) // 60) + 1
serials = sorted({s for s, _ in rows})
check(len(serials) == 4, "readings of %d inverters: %s" % (len(serials), ", ".join(serials)))
counts = {(s, k): 0 for s in serials for k in range(intervals)}
for serial, time in rows:
    counts[(serial, int((epoch(time) - origin) // 60))] += 1

def line_was_up(k):  # the whole interval, and ended before the logger was stopped
    begin, end = origin + 60 * k, origin + 60 * (k + 1)
    return end <= stopped and (end <= line_down or begin >= line_up)

up = [k for k in range(intervals) if line_was_up(k)]
locked = [k for k in up if origin + 60 * (k + 1) > lock_from and origin + 60 * k < lock_to]
missing = [(s, k) for s in serials for k in up if counts[(s, k)] == 0]
twice = [(s, k) for (s, k), n in counts.items() if n > 1]
check(not missing, "%d intervals with the line up (%d of them during the lock), each with a reading of every "
      "inverter; missing: %s" % (len(up), len(locked), missing))
check(not twice, "no interval with two readings of one inverter; twice: %s" % twice)
print("     %d readings in all, %d intervals of the grid" % (len(rows), intervals))

log = open(home + "/log.txt", encoding="utf-8", errors="replace").read()
for line in ("[LINE] COM7 cannot be opened: line lost", "[LINE] COM7 open again: line back after",
             "[DB] the database takes no writes (database is locked)", "[DB] the database takes writes again after"):
    check(log.count(line) == 1, "log.txt holds once: " + line)
print("     log.txt: %d bytes, %d lines" % (len(log.encode()), log.count("\n")))

console = open(home + "/logger.out", encoding="utf-8").read().splitlines()
others = [l for l in console if not l.startswith("cycle ")]
lost = [l for l in console if l.startswith("Line lost:")]
back = [l for l in console if l.startswith("Line back:")]
reminders = [l for l in console if l.startswith("Line still lost:")]
waiting = [l for l in console if "readings waiting" in l]
check(len(lost) == 1 and len(back) == 1, "console: one line when the line is lost, one when it is back")
check(len(reminders) <= (line_up - line_down + 30) // 60, "console: %d reminders" % len(reminders))
check(len(waiting) > 0, "console: %d status lines show readings waiting, the last: %s"
      % (len(waiting), waiting[-1] if waiting else "none"))
print("     console: %d lines, %d of them cycle lines; the others:" % (len(console), len(console) - len(others)))
for line in others:
    print("       " + line)
sys.exit(1 if failures else 0)
PY
