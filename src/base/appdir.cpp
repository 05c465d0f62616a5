#include "base/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kCleanDatabase = QStringLiteral("cln/lumora.db");

// Folders of installed programs: their cln/ would be shared by every user of the machine.
bool isSystemProgramFolder(const QString &folder)
{
    static const QStringList kFolders = {QStringLiteral("/usr/bin"),       QStringLiteral("/bin"),
                                         QStringLiteral("/usr/sbin"),      QStringLiteral("/sbin"),
                                         QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/local/sbin"),
                                         QStringLiteral("/usr/games")};
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return kFolders.contains(QDir::cleanPath(folder)) || kFolders.contains(canonical);
}

QString userDataPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lumora");
}

QString home()
{
    const QByteArray value = qgetenv("LUMORA_HOME");
    return value.isEmpty() ? QString() : QDir::cleanPath(QString::fromLocal8Bit(value));
}

AppDir::Choice currentChoice()
{
    const QString environment = home();
    if (!environment.isEmpty())
        return {environment, AppDir::Origin::Environment};
    return AppDir::choose(QString(), AppDir::executableFolder(), userDataPath());
}

// Copies source to target unless target exists; the copy is the user's, so it is writable.
QString copyOnce(const QString &source, const QString &target)
{
    if (QFileInfo::exists(target))
        return QString();
    if (!QFile::copy(source, target))
        return QStringLiteral("cannot copy %1 to %2").arg(source, target);
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    return QString();
}

} // namespace

QString AppDir::path()
{
    return currentChoice().path;
}

QString AppDir::file(const QString &relative)
{
    return path() + QLatin1Char('/') + relative;
}

AppDir::Origin AppDir::origin()
{
    return currentChoice().origin;
}

AppDir::Choice AppDir::choose(const QString &home, const QString &executableFolder, const QString &userData)
{
    if (!home.isEmpty())
        return {home, Origin::Environment};
    if (!isSystemProgramFolder(executableFolder) &&
        QFileInfo::exists(executableFolder + QLatin1Char('/') + kCleanDatabase))
        return {executableFolder, Origin::ExecutableFolder};
    return {userData, Origin::UserData};
}

QString AppDir::executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists: the running executable's directory.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

QString AppDir::installedDataPath()
{
    return QDir::cleanPath(executableFolder() + QStringLiteral("/../share/lumora"));
}

QString AppDir::shippedFile(const QString &relative)
{
    const QString own = file(relative);
    if (QFileInfo::exists(own))
        return own;
    const QString shipped = installedDataPath() + QLatin1Char('/') + relative;
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString AppDir::prepare()
{
    return prepare(currentChoice(), installedDataPath());
}

QString AppDir::prepare(const Choice &choice, const QString &installedData)
{
    if (choice.origin == Origin::ExecutableFolder)
        return QString();
    const QDir target(choice.path);
    if (!QDir().mkpath(choice.path))
        return QStringLiteral("cannot make the application directory %1").arg(choice.path);
    const QString clean = installedData + QLatin1Char('/') + kCleanDatabase;
    if (target.exists(kCleanDatabase) || !QFileInfo::exists(clean))
        return QString(); // seeded before, or nothing installed to seed from
    if (!target.mkpath(QStringLiteral("cln")) || !target.mkpath(QStringLiteral("background")))
        return QStringLiteral("cannot make cln/ and background/ in %1").arg(choice.path);
    QString failure = copyOnce(clean, target.filePath(kCleanDatabase));
    const QDir pictures(installedData + QStringLiteral("/background"));
    for (const QString &name : pictures.entryList(QDir::Files)) {
        const QString failed = copyOnce(pictures.filePath(name), target.filePath(QStringLiteral("background/") + name));
        if (failure.isEmpty())
            failure = failed;
    }
    return failure;
}
