#pragma once

#include <QtGlobal>
#include <functional>

// The part of the database that serves the history views (history.sql): the
// hourly power summary that the charts add up and the index of the readings
// with errors. The clean database has it; a database of an earlier
// installation gets it after start-up, in the background (HistoryFill).
class HistorySchema
{
public:
    // Readings counted into the summary in one transaction while it is made for
    // an existing database: short enough that a program recording beside this
    // one waits for it (the busy timeout) instead of failing.
    static constexpr int kFillChunk = 50000;

    // After every chunk: the readings counted so far and those to count in all
    // (by id, so an interrupted fill starts where it stopped). Returns whether to
    // go on; a fill told to stop leaves the rest for later, also while another
    // program holds the database.
    using Progress = std::function<bool(qint64 counted, qint64 total)>;

    // True when the open database lacks the summary or has not counted all of
    // its readings in yet.
    static bool needsFill();

    // Makes the summary and the index when the database lacks them, then counts
    // the existing readings in, a chunk at a time, on a connection of its own; an
    // interrupted fill goes on where it stopped at the next call. Readings
    // recorded meanwhile are counted by the triggers. False when it is not done:
    // no database, a read-only file, a database held by another program (then it
    // waits and tries again as long as progress says to go on), or progress said
    // stop. The charts read the readings themselves until it is done.
    static bool ensure(int chunk = kFillChunk, const Progress &progress = {});

    // True when the open database has the whole summary (asked on the read connection).
    static bool hasPowerSummary();
};
