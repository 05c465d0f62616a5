#include "base/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString AppDir::path()
{
    const QByteArray home = qgetenv("LUMORA_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(home));
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists: the running executable's directory.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

QString AppDir::file(const QString &relative)
{
    return path() + QLatin1Char('/') + relative;
}
