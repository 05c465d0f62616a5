#pragma once

#include "monitor/recordingqueue.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>

// The recordings' statements on the database: the orva_inverter rows by
// serial, and the readings into orva_monitor_log under their row's id. Every
// write returns 0, a refusal (db_is_refusal: to be made again later) or
// another failure, which is logged and given up. Every value is bound.
class RecordStore
{
public:
    // Forgets the ids and which rows this run has shown online.
    void reset();

    // Every orva_inverter row offline (nothing answers while nobody polls); the statement's result code.
    static int setAllRowsOffline();
    // The same, and no row counts as shown online by this run any more.
    int markAllOffline();
    // Writes the states of the rows in the order of their serials, until the
    // first refusal, whose code it returns (else 0); done: how many are done
    // with (written, or given up with a log line).
    int writeRows(const QStringList &serials, const QHash<QString, InverterRow> &states, int &done);
    // Writes the readings in order, in one transaction, until the first
    // refusal, whose code goes to refusal. Returns how many are done with
    // (written, or given up with a log line).
    int writeReadings(const QList<Reading> &readings, int &refusal);

    // The id of the serial's row, -1 while it is not known. Any thread.
    int inverterId(const QString &serial) const;

private:
    int insertRow(const QVariantList &columns);
    int markOffline(const QString &serial);
    // The id of the serial's row from the database; -1 when it has none.
    int queryId(const QString &serial, int &resultCode);
    void setId(const QString &serial, int id);

    mutable QMutex m_idMutex;
    QHash<QString, int> m_ids;
    QSet<QString> m_shownOnline; // rows this run has set online since they were last set offline
};
