-- What the history views read beyond the recordings themselves, kept up to date
-- by triggers whoever writes orva_monitor_log. Made with the clean database and,
-- for a database of an earlier installation, once at start-up.

-- The power of a reading as the charts count it, truncated toward zero: the sum
-- of the three phase powers (registers 194, 197, 200) for families 303 and 400,
-- else register 189. A monitor_data text that is not a list of numbers counts 0.
CREATE VIEW orva_monitor_power AS
SELECT id, inverter_id, log_time, substr(log_time, 1, 13) AS hour,
       CASE WHEN NOT json_valid('[' || monitor_data || ']') THEN 0
            WHEN versionw3 IN (303, 400) THEN
                CAST(ifnull(json_extract('[' || monitor_data || ']', '$[11]'), 0)
                     + ifnull(json_extract('[' || monitor_data || ']', '$[8]'), 0)
                     + ifnull(json_extract('[' || monitor_data || ']', '$[14]'), 0) AS INTEGER)
            ELSE CAST(ifnull(json_extract('[' || monitor_data || ']', '$[3]'), 0) AS INTEGER)
       END AS power
FROM orva_monitor_log
WHERE inverter_id IS NOT NULL AND log_time IS NOT NULL;

-- Per inverter and clock hour ("yyyy-MM-dd hh"): the number of readings and the
-- sum of their powers. Hour, day and month averages add these up exactly.
CREATE TABLE orva_power_hour (
    inverter_id INTEGER NOT NULL,
    hour        TEXT NOT NULL,
    samples     INTEGER NOT NULL,
    power_sum   INTEGER NOT NULL,
    PRIMARY KEY (inverter_id, hour)
) WITHOUT ROWID;

CREATE TRIGGER orva_power_hour_insert AFTER INSERT ON orva_monitor_log
WHEN new.inverter_id IS NOT NULL AND new.log_time IS NOT NULL
BEGIN
    INSERT INTO orva_power_hour (inverter_id, hour, samples, power_sum)
    SELECT inverter_id, hour, 1, power FROM orva_monitor_power WHERE id = new.id
    ON CONFLICT (inverter_id, hour) DO UPDATE SET samples = samples + 1, power_sum = power_sum + excluded.power_sum;
END;

CREATE TRIGGER orva_power_hour_delete BEFORE DELETE ON orva_monitor_log
WHEN old.inverter_id IS NOT NULL AND old.log_time IS NOT NULL
BEGIN
    UPDATE orva_power_hour
    SET samples = samples - 1, power_sum = power_sum - (SELECT power FROM orva_monitor_power WHERE id = old.id)
    WHERE inverter_id = old.inverter_id AND hour = substr(old.log_time, 1, 13);
    DELETE FROM orva_power_hour
    WHERE inverter_id = old.inverter_id AND hour = substr(old.log_time, 1, 13) AND samples <= 0;
END;

-- A changed reading: the hours it left and entered are counted again from their readings.
CREATE TRIGGER orva_power_hour_update AFTER UPDATE OF versionw3, log_time, inverter_id, monitor_data
ON orva_monitor_log
BEGIN
    DELETE FROM orva_power_hour
    WHERE (inverter_id = old.inverter_id AND hour = substr(old.log_time, 1, 13))
       OR (inverter_id = new.inverter_id AND hour = substr(new.log_time, 1, 13));
    INSERT INTO orva_power_hour (inverter_id, hour, samples, power_sum)
    SELECT inverter_id, hour, count(*), sum(power) FROM orva_monitor_power
    WHERE (inverter_id = old.inverter_id
           AND log_time BETWEEN substr(old.log_time, 1, 13) AND substr(old.log_time, 1, 13) || ':99')
       OR (inverter_id = new.inverter_id
           AND log_time BETWEEN substr(new.log_time, 1, 13) AND substr(new.log_time, 1, 13) || ':99')
    GROUP BY inverter_id, hour;
END;

-- The event list reads only the readings with an error word set.
CREATE INDEX orva_monitor_log_errors ON orva_monitor_log (inverter_id, log_time)
WHERE err1 != 0 OR err2 != 0 OR err3 != 0 OR err4 != 0;
