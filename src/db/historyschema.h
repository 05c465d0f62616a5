#pragma once

// The part of the database that serves the history views (history.sql): the
// hourly power summary that the charts add up and the index of the readings
// with errors. The clean database has it; a database of an earlier
// installation gets it at start-up.
class HistorySchema
{
public:
    // Readings counted into the summary in one transaction while it is made for
    // an existing database: short enough that a program recording beside this
    // one waits for it (the busy timeout) instead of failing.
    static constexpr int kFillChunk = 50000;

    // Makes the summary and the index when the database lacks them, then counts
    // the existing readings in, a chunk at a time; an interrupted fill goes on
    // where it stopped at the next start. Readings recorded meanwhile are
    // counted by the triggers. False when it cannot be made or finished (no
    // database, a read-only file, a busy one): the charts then read the
    // readings themselves.
    static bool ensure(int chunk = kFillChunk);

    // True when the open database has the whole summary (asked on the read connection).
    static bool hasPowerSummary();
};
