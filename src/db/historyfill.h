#pragma once

#include <QThread>

// Counts the readings of a database of an earlier installation into the hourly
// power summary on a thread of its own (HistorySchema::ensure), so that the
// program starts at once whatever the database's size; the charts read the
// readings themselves until it is done. While another program holds the
// database it waits. Stopped after the chunk it is counting (at exit); the
// next start goes on where it stopped.
class HistoryFill : public QThread
{
    Q_OBJECT

public:
    explicit HistoryFill(QObject *parent = nullptr);
    ~HistoryFill() override; // stops, and waits for the chunk being counted

    // Starts when the open database needs the summary; false when it has it (or has no database).
    bool startIfNeeded();
    void stop() { requestInterruption(); }

signals:
    // After every chunk: the readings counted so far of those to count (by id).
    void progress(qint64 counted, qint64 total);
    // The summary is complete (made), or the fill ended without it: stopped, or
    // the database refused (logged). ms: how long this run counted.
    void ended(bool made, qint64 ms);

protected:
    void run() override;
};
