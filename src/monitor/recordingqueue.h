#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QWaitCondition>

#include <array>
#include <deque>

// One reading of one inverter for orva_monitor_log, with the time it was taken.
struct Reading
{
    QString serial;
    int versionw3 = 0;
    QString logTime; // "yyyy-MM-dd hh:mm:ss"
    int stateCode = 0;
    std::array<int, 4> errors{};
    QByteArray monitorData; // the register words, decimal, joined by ","
    QString efficiency;     // six decimals
    QString sensorValue;
    bool errorEvent = false; // its errors began, changed or entered a new hour

    // The insert's values in column order, with the id of the inverter's row.
    QVariantList values(int inverterId) const;
};

// What an inverter's orva_inverter row is to show.
struct InverterRow
{
    QVariantList columns; // brand_name ... output_time as read last; empty: nothing read since the last write
    bool online = true;
};

// What the polling thread hands to the database, waiting to be written: the
// mark that every row starts offline, the latest state of each inverter's row
// (a newer state replaces an older one not yet written), and the readings in
// the order they were taken, at most `capacity` of them: when full, the
// oldest is dropped. Safe between one producer and one writer.
class RecordingQueue
{
public:
    // What goes to orva_inverter before the readings.
    struct Rows
    {
        bool allOffline = false;
        QStringList serials; // in the order their first states came: new rows get their ids in it
        QHash<QString, InverterRow> bySerial;
        bool isEmpty() const { return !allOffline && serials.isEmpty(); }
    };

    // Empty, with every row to be marked offline first.
    void reset(int capacity);

    void storeRow(const QString &serial, const InverterRow &row);
    // The readings of one cycle, handed over together.
    void storeReadings(const QList<Reading> &readings);
    int readingCount() const;
    // Readings dropped since the last call.
    int takeDropped();

    // The writer's side. Waits until there is something to write and
    // `notBefore` has passed: true; false when it is time to stop: after
    // end() once nothing is left, or after abandon().
    bool waitForWork(QDeadlineTimer notBefore);
    void end();
    void abandon();
    // A pass begins by taking the rows; those it could not write go back,
    // unless a newer state came meanwhile.
    Rows takeRows();
    void returnRows(const Rows &unwritten);
    // The oldest readings, up to max, ending before one whose inverter has a
    // row state still to be written (its row may not exist yet).
    QList<Reading> peekReadings(int max);
    // The first `count` readings of the last peek are done with.
    void removeReadings(int count);
    void passDone();
    // Until nothing waits and no pass runs; false when the deadline came first.
    bool waitUntilIdle(QDeadlineTimer deadline);

private:
    bool hasWork() const { return !m_rows.isEmpty() || !m_readings.empty(); }

    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    QWaitCondition m_idle;
    int m_capacity = 1;
    Rows m_rows;
    std::deque<Reading> m_readings;
    qint64 m_frontSequence = 0; // of m_readings.front()
    qint64 m_peekSequence = 0;
    int m_dropped = 0;
    bool m_inPass = false;
    bool m_ending = false;
    bool m_abandoned = false;
};
