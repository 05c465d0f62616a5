#pragma once

#include "support/tempappdir.h"

#include <QString>

// How many lines of the application directory's log.txt contain text.
inline int logCount(const TempAppDir &dir, const QString &text)
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt"))).count(text);
}
