#pragma once

#include <QList>
#include <QString>

// Rows of the recorded history, written straight into the open database.
namespace HistoryRows {

// An orva_inverter row of brand LUMORA; its id.
int addInverter(const QString &serial, int versionw3);
// A monitoring text of count registers from 186: register r holds r * 10 + step.
QString monitorText(int count, int step);
// An orva_monitor_log row with state 5 and efficiency 96.5; the test fails when it cannot be written.
void addReading(int inverter, int versionw3, const QString &time, const QList<int> &errors, const QString &monitor,
                const QString &sensors = QString());
// The open database as an earlier installation left it: without the history summary.
void dropSummary();

} // namespace HistoryRows
