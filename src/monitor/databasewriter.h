#pragma once

#include "monitor/recordingqueue.h"
#include "monitor/recordstore.h"

#include <QThread>

#include <atomic>

// Writes what the polling thread records, on a thread of its own, so that the
// line never waits for the disk. While the database takes no writes (another
// program holds it, it is read-only, the disk is full) everything waits in
// memory, a day's readings at most, and is written in order, each reading
// with its own time, as soon as it takes writes again; a log line marks the
// start and the end of such a wait.
class DatabaseWriter : public QThread
{
    Q_OBJECT

public:
    // Between attempts while the database refuses writes: a check that costs
    // nothing; when the check passes but the writes are still refused, the
    // pause doubles up to the longest.
    static constexpr int kCheckMs = 500;
    static constexpr int kLongestPauseMs = 30000;
    static constexpr int kBatch = 500;

    explicit DatabaseWriter(QObject *parent = nullptr);
    ~DatabaseWriter() override;

    // Starts a run with an empty queue for `capacity` readings; every
    // orva_inverter row is set offline before anything else is written.
    void begin(int capacity);
    // Ends the run once everything is written or `ms` have passed; what could
    // not be written is logged.
    void finish(int ms);

    void storeRow(const QString &serial, const QVariantList &columns);
    void storeOffline(const QString &serial);
    void storeReadings(const QList<Reading> &readings);

    // The id of the serial's orva_inverter row, -1 while it is not known.
    int inverterId(const QString &serial) const { return m_store.inverterId(serial); }
    // Readings kept in memory while the database refuses writes; 0 otherwise.
    int readingsWaiting() const;
    // Until everything handed over is written; false when the time ran out.
    bool waitUntilWritten(int ms);

protected:
    void run() override;

private:
    // Writes what waits; 0, or the code of the refusal that stopped it.
    int writePass();
    void refused(int resultCode);
    void accepted();

    RecordingQueue m_queue;
    RecordStore m_store;
    std::atomic<bool> m_refusing{false};
    // The writer thread's own.
    qint64 m_refusedAtMs = 0;
    int m_pauseMs = kCheckMs;
    int m_written = 0;
};
