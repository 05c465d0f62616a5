#include "tst_appdir.h"

#include "base/appdir.h"
#include "support/tempappdir.h"

#include <QtTest>

namespace {

// Sets an environment variable for one scope, then puts back what it was.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_previous(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_previous;
};

} // namespace

void TestAppDir::choiceInEachCase()
{
    TempAppDir dir;
    const QString portable = dir.file(QStringLiteral("portable"));
    const QString bin = dir.file(QStringLiteral("usr/bin"));
    const QString userData = dir.file(QStringLiteral("home/.local/share/lumora"));
    dir.write(QStringLiteral("portable/cln/lumora.db"), "clean");
    QDir().mkpath(bin);

    const AppDir::Choice fromHome = AppDir::choose(QStringLiteral("/srv/plant"), portable, userData);
    QCOMPARE(fromHome.path, QStringLiteral("/srv/plant"));
    QCOMPARE(fromHome.origin, AppDir::Origin::Environment);
    const AppDir::Choice beside = AppDir::choose(QString(), portable, userData);
    QCOMPARE(beside.path, portable);
    QCOMPARE(beside.origin, AppDir::Origin::ExecutableFolder);
    const AppDir::Choice installed = AppDir::choose(QString(), bin, userData);
    QCOMPARE(installed.path, userData);
    QCOMPARE(installed.origin, AppDir::Origin::UserData);

    // Without LUMORA_HOME, this test program (whose folder has no clean database) uses the user's
    // data location, and XDG_DATA_HOME moves it.
    ScopedEnvironment noHome("LUMORA_HOME", QByteArray());
    ScopedEnvironment dataHome("XDG_DATA_HOME", dir.file(QStringLiteral("data")).toLocal8Bit());
    QCOMPARE(AppDir::path(), dir.file(QStringLiteral("data/lumora")));
    QCOMPARE(AppDir::origin(), AppDir::Origin::UserData);
}

void TestAppDir::firstStartSeedsTheUserDirectory()
{
    TempAppDir dir;
    const QString installed = dir.file(QStringLiteral("root/usr/share/lumora"));
    dir.write(QStringLiteral("root/usr/share/lumora/cln/lumora.db"), "clean");
    dir.write(QStringLiteral("root/usr/share/lumora/background/dusk.jpg"), "picture");
    QFile::setPermissions(installed + QStringLiteral("/cln/lumora.db"), QFile::ReadOwner | QFile::ReadOther);
    const QString user = dir.file(QStringLiteral("home/.local/share/lumora"));

    const AppDir::Choice choice{user, AppDir::Origin::UserData};
    QCOMPARE(AppDir::prepare(choice, installed), QString());
    const QFileInfo clean(user + QStringLiteral("/cln/lumora.db"));
    QVERIFY(clean.isFile() && !clean.isSymLink());
    QVERIFY(clean.isWritable());
    QCOMPARE(dir.read(QStringLiteral("home/.local/share/lumora/cln/lumora.db")), QByteArray("clean"));
    QVERIFY(QFileInfo::exists(user + QStringLiteral("/background/dusk.jpg")));

    // Later starts keep what the user has: a picture removed stays removed, the database stays.
    QFile::remove(user + QStringLiteral("/background/dusk.jpg"));
    dir.write(QStringLiteral("home/.local/share/lumora/cln/lumora.db"), "own");
    QCOMPARE(AppDir::prepare(choice, installed), QString());
    QCOMPARE(dir.read(QStringLiteral("home/.local/share/lumora/cln/lumora.db")), QByteArray("own"));
    QVERIFY(!QFileInfo::exists(user + QStringLiteral("/background/dusk.jpg")));

    // The executable's folder is never seeded; LUMORA_HOME is, like the user's folder.
    const QString portable = dir.file(QStringLiteral("portable"));
    QCOMPARE(AppDir::prepare({portable, AppDir::Origin::ExecutableFolder}, installed), QString());
    QVERIFY(!QFileInfo::exists(portable));
    const QString service = dir.file(QStringLiteral("var/lib/lumora"));
    QCOMPARE(AppDir::prepare({service, AppDir::Origin::Environment}, installed), QString());
    QVERIFY(QFileInfo::exists(service + QStringLiteral("/cln/lumora.db")));
}
