#!/usr/bin/env bash
# Makes the history benchmark's database: 4 inverters (EUR, EUR, USA0, USA1) with one
# reading a minute each for the whole of 2025 (2,102,400 readings, about 1 GB), in the
# order the recorder writes them (minute by minute, the four inverters in turn).
# The database has the base schema only, as one of an earlier installation: the
# benchmark times how the program adds its history summary to it.
# Usage: bench/make_history_db.sh <database file> [days, default 365]
set -euo pipefail
db=${1:?usage: make_history_db.sh <database file> [days]}
days=${2:-365}
here="$(cd "$(dirname "$0")" && pwd)"
rm -f "$db" "$db-wal" "$db-shm"

# The registers that stay put: 81 after the power of EUR and USA0 (parts 4 to 84),
# and the USA1 parts between and after the three phase powers.
fixed() { seq "$1" "$2" | awk '{ printf "%s%d", (NR > 1 ? "," : ""), 1000 + ($1 * 37) % 9000 }'; }
eur_tail=$(fixed 4 84)
usa1_a=$(fixed 0 7)
usa1_tail=$(fixed 15 29)

sqlite3 -bail "$db" <<SQL
.read $here/../src/db/schema.sql
.output /dev/null
PRAGMA journal_mode = OFF;
PRAGMA synchronous = OFF;
PRAGMA cache_size = -400000;
INSERT INTO orva_inverter (brand_name, type_name, sn_name, versionw3, type_no, model_name_ee, addr, online) VALUES
  ('LUMORA', 'LMR-4K4-EU', 'LE44A0012345', 0, 2, 440, 1, 0),
  ('LUMORA', 'LMR-6K0-EU', 'LE60B0023456', 0, 2, 460, 2, 0),
  ('LUMORA', 'LMR-5K0-US', 'LU50C0034567', 203, 7, 500, 3, 0),
  ('LUMORA', 'LMR-15K-3P', 'LT15D0045678', 303, 9, 1500, 4, 0);
-- Power follows the day (06:00 to 20:00) and the season, with some noise.
WITH RECURSIVE minutes(m) AS (SELECT 0 UNION ALL SELECT m + 1 FROM minutes WHERE m < $days * 1440 - 1),
readings AS (
  SELECT m, inv.id AS id, inv.versionw3 AS versionw3,
         CAST(max(0, (1.0 - ((m % 1440 - 780) / 420.0) * ((m % 1440 - 780) / 420.0)))
              * (0.6 + 0.4 * (1.0 - abs(m / 1440 - 172) / 183.0))
              * (CASE inv.id WHEN 1 THEN 4200 WHEN 2 THEN 5800 WHEN 3 THEN 4800 ELSE 14500 END)
              * (0.9 + (abs(random()) % 200) / 1000.0) AS INTEGER) AS power
  FROM minutes CROSS JOIN orva_inverter inv)
INSERT INTO orva_monitor_log (versionw3, log_time, inverter_id, state_code, err1, err2, err3, err4,
                              monitor_data, efficiency, sensor_value)
SELECT versionw3, strftime('%Y-%m-%d %H:%M:%S', '2025-01-01', '+' || m || ' minutes'), id,
       CASE WHEN power > 0 THEN 3 ELSE 1 END,
       CASE WHEN id = 3 AND m % 60 BETWEEN 1 AND 3 THEN 8 ELSE 0 END, 0, 0, 0,
       CASE WHEN versionw3 = 303
            THEN '$usa1_a,' || (power / 3) || ',1010,1020,' || (power / 3) || ',1030,1040,' || (power - 2 * (power / 3))
                 || ',$usa1_tail'
            ELSE '3400,3380,0,' || power || ',$eur_tail' END,
       96.2, '812,21.5'
FROM readings;
.output stdout
SELECT count(*) || ' readings' FROM orva_monitor_log;
SQL
