#include "monitor/databasewriter.h"

#include "base/clock.h"
#include "base/log.h"
#include "db/database.h"

DatabaseWriter::DatabaseWriter(QObject *parent)
    : QThread(parent)
{}

DatabaseWriter::~DatabaseWriter()
{
    if (isRunning())
        finish(0);
}

void DatabaseWriter::begin(int capacity)
{
    Q_ASSERT(!isRunning());
    m_queue.reset(capacity);
    m_store.reset();
    m_refusing = false;
    m_pauseMs = kCheckMs;
    start();
}

void DatabaseWriter::finish(int ms)
{
    m_queue.end();
    if (!wait(QDeadlineTimer(ms))) {
        m_queue.abandon();
        wait(); // a statement in progress ends within the busy timeout
    }
    const int left = m_queue.readingCount();
    if (left > 0)
        write_log(QStringLiteral("[DB] %1 readings not written: the database took no writes before monitoring ended")
                      .arg(left));
}

void DatabaseWriter::storeRow(const QString &serial, const QVariantList &columns)
{
    m_queue.storeRow(serial, InverterRow{columns, true});
}

void DatabaseWriter::storeOffline(const QString &serial)
{
    m_queue.storeRow(serial, InverterRow{{}, false});
}

void DatabaseWriter::storeReadings(const QList<Reading> &readings)
{
    m_queue.storeReadings(readings);
}

int DatabaseWriter::readingsWaiting() const
{
    return m_refusing ? m_queue.readingCount() : 0;
}

bool DatabaseWriter::waitUntilWritten(int ms)
{
    return m_queue.waitUntilIdle(QDeadlineTimer(ms));
}

void DatabaseWriter::run()
{
    QDeadlineTimer notBefore(0);
    while (m_queue.waitForWork(notBefore)) {
        // While refused, a check that neither waits nor logs comes first.
        if (m_refusing && db_is_refusal(db_try_write())) {
            notBefore = QDeadlineTimer(kCheckMs);
            continue;
        }
        const int refusal = writePass();
        if (refusal != 0) {
            refused(refusal);
            notBefore = QDeadlineTimer(m_pauseMs);
        } else if (m_refusing) {
            accepted();
        }
    }
}

int DatabaseWriter::writePass()
{
    int refusal = 0;
    RecordingQueue::Rows rows = m_queue.takeRows();
    if (rows.allOffline) {
        refusal = m_store.markAllOffline();
        rows.allOffline = db_is_refusal(refusal);
    }
    refusal = db_is_refusal(refusal) ? refusal : 0;
    if (refusal == 0 && !rows.serials.isEmpty()) {
        int done = 0;
        refusal = m_store.writeRows(rows.serials, rows.bySerial, done);
        for (const QString &serial : rows.serials.mid(0, done))
            rows.bySerial.remove(serial);
        rows.serials = rows.serials.mid(done);
    }
    m_queue.returnRows(rows);
    while (refusal == 0) {
        const QList<Reading> batch = m_queue.peekReadings(kBatch);
        if (batch.isEmpty())
            break;
        const int done = m_store.writeReadings(batch, refusal);
        m_queue.removeReadings(done);
        m_written += done;
    }
    m_queue.passDone();
    return refusal;
}

void DatabaseWriter::refused(int resultCode)
{
    if (m_refusing) {
        // The check let the writes through, yet they were refused again.
        m_pauseMs = qMin(2 * m_pauseMs, kLongestPauseMs);
        return;
    }
    m_refusing = true;
    m_refusedAtMs = Clock::instance().elapsedMs();
    m_pauseMs = kCheckMs;
    m_written = 0;
    write_log(QStringLiteral("[DB] the database takes no writes (%1): readings wait in memory until it does")
                  .arg(db_result_text(resultCode)));
}

void DatabaseWriter::accepted()
{
    m_refusing = false;
    m_pauseMs = kCheckMs;
    QString line = QStringLiteral("[DB] the database takes writes again after %1 s: %2 readings written")
                       .arg((Clock::instance().elapsedMs() - m_refusedAtMs) / 1000)
                       .arg(m_written);
    const int dropped = m_queue.takeDropped();
    if (dropped > 0)
        line += QStringLiteral(", %1 dropped while it was full").arg(dropped);
    write_log(line);
}
