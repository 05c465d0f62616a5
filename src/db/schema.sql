-- Schema of lumora.db. The clean copy cln/lumora.db is made from this file;
-- the program itself never creates or alters tables.
-- Keys and references have integer affinity: some writers store them as quoted digits.

CREATE TABLE orva_inverter (
    id            INTEGER PRIMARY KEY AUTOINCREMENT,
    brand_name    TEXT,
    type_name     TEXT,
    sn_name       TEXT,
    versionw3     INTEGER,
    type_no       INTEGER,
    model_name_ee INTEGER,
    addr          INTEGER,
    current_ver   INTEGER,
    sequence_ver  INTEGER,
    ac_power      INTEGER,
    dc_power      INTEGER,
    efficiency    REAL,
    vpv           REAL,
    vac           REAL,
    iac           REAL,
    ipv           REAL,
    total_power   REAL,
    output_time   TEXT,
    online        INTEGER DEFAULT 0
);
CREATE INDEX orva_inverter_sn_name ON orva_inverter (sn_name);
CREATE INDEX orva_inverter_online ON orva_inverter (online);

CREATE TABLE orva_group (
    id   INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT
);
CREATE INDEX orva_group_name ON orva_group (name);

CREATE TABLE orva_group_inverters (
    group_id    INTEGER,
    inverter_id INTEGER
);
CREATE INDEX orva_group_inverters_group ON orva_group_inverters (group_id);
CREATE INDEX orva_group_inverters_inverter ON orva_group_inverters (inverter_id);

CREATE TABLE orva_monitor_log (
    id           INTEGER PRIMARY KEY AUTOINCREMENT,
    versionw3    INTEGER,
    log_time     TEXT,
    inverter_id  INTEGER,
    state_code   INTEGER,
    err1         INTEGER,
    err2         INTEGER,
    err3         INTEGER,
    err4         INTEGER,
    monitor_data TEXT,
    efficiency   REAL,
    sensor_value TEXT
);
CREATE INDEX orva_monitor_log_inverter_time ON orva_monitor_log (inverter_id, log_time);

CREATE TABLE orva_debug (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    inverter_id INTEGER,
    log_time    TEXT,
    data        TEXT
);
CREATE INDEX orva_debug_inverter ON orva_debug (inverter_id);

CREATE TABLE mail_setting (
    account     TEXT,
    password    TEXT,
    port        INTEGER,
    mail_server TEXT,
    sender_mail TEXT
);

CREATE TABLE mail_recipient (
    mail TEXT
);

CREATE TABLE sensor_setting (
    id            INTEGER PRIMARY KEY AUTOINCREMENT,
    slave_addr    INTEGER,
    start_addr    INTEGER,
    reg_addr      INTEGER,
    operator      TEXT,
    multiplier    NUMERIC,
    header        TEXT,
    unit          TEXT,
    append_first  INTEGER,
    lowbyte_first INTEGER
);
