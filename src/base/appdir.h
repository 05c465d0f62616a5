#pragma once

#include <QString>

// The application directory: every file the program keeps lives below it.
// $LUMORA_HOME when set, otherwise the directory of the executable.
class AppDir
{
public:
    static QString path();
    // path() + "/" + relative
    static QString file(const QString &relative);
};
