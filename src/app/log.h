#pragma once

#include <QString>

// Appends one time-stamped line (UTF-8) to log.txt in the application directory.
// Safe from any thread; every failure is silent.
void write_log(const QString &message);
