#pragma once

// The part of the database that serves the history views (history.sql): the
// hourly power summary that the charts add up and the index of the readings
// with errors. The clean database has it; a database of an earlier
// installation gets it once, at start-up.
class HistorySchema
{
public:
    // Makes the summary and the index when the database lacks them, filling the
    // summary from every reading, in one transaction. False when they are missing
    // and cannot be made (no database, a read-only file): the charts then read
    // the readings themselves.
    static bool ensure();

    // True when the open database has the power summary (asked on the read connection).
    static bool hasPowerSummary();
};
