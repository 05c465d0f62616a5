#pragma once

#include <QString>

// The application directory: every file the program keeps lives below it. In this order:
//  1. $LUMORA_HOME when set;
//  2. the executable's folder when it holds cln/lumora.db (the build tree, a portable copy), but never
//     a system folder of programs such as /usr/bin;
//  3. the user's data location, ~/.local/share/lumora.
// An installed program keeps what it ships in ../share/lumora beside the executable's folder.
class AppDir
{
public:
    enum class Origin { Environment, ExecutableFolder, UserData };
    struct Choice
    {
        QString path;
        Origin origin;
    };

    static QString path();
    // path() + "/" + relative
    static QString file(const QString &relative);
    static Origin origin();

    // The choice for the given places; an empty home means LUMORA_HOME is not set.
    static Choice choose(const QString &home, const QString &executableFolder, const QString &userData);

    static QString executableFolder();
    // What an installation ships: ../share/lumora from the executable's folder.
    static QString installedDataPath();
    // A file the installation ships (a translation): the application directory's own copy when it
    // has one, else the installation's.
    static QString shippedFile(const QString &relative);

    // Makes the application directory and, unless it is the executable's folder, seeds it from the
    // installed data when it has no clean database yet: cln/ made and the clean database copied (never
    // linked), the background pictures copied. An empty text when all went well, else what failed.
    static QString prepare();
    static QString prepare(const Choice &choice, const QString &installedData);
};
