#pragma once

#include "device/qdevice.h"

#include <QList>
#include <QSet>

// When the periodic readings fall due: on the grid of the recording interval
// laid from the first cycle, so that the spacing never drifts by the length of
// the cycles. Every inverter owes one reading per interval; one that cannot
// be recorded when the interval begins (offline, not yet identified) is
// recorded as soon as it can be, within the same interval.
class ReadingSchedule
{
public:
    // The first reading falls due at once.
    void start(qint64 nowMs, qint64 intervalMs);

    // At the end of a cycle: the records to record now. When an interval has
    // begun, every record it owes a reading (none outside the record window),
    // so that the ones that cannot be recorded are reported once; later in the
    // interval, those still owed that can be recorded now.
    QList<QDevice *> due(const QList<QDevice *> &records, qint64 nowMs, bool inWindow);

private:
    qint64 m_originMs = 0;
    qint64 m_intervalMs = 60000;
    qint64 m_nextMs = 0;
    QSet<int> m_owed; // bus addresses not yet recorded in this interval
};
