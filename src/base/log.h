#pragma once

#include <QDateTime>
#include <QString>

// Appends one time-stamped line (UTF-8) to log.txt in the application directory.
// Safe from any thread; every failure is silent.
void write_log(const QString &message);

// "[yyyy/MM/dd hh:mm:ss:zz]- ": each z is the milliseconds without leading
// zeros, so 5 ms reads "55" and 400 ms "400400".
QString log_timestamp(const QDateTime &time);
