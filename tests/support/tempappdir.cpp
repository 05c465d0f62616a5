#include "support/tempappdir.h"

#include "db/database.h"
#include "monitor/programstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

TempAppDir::TempAppDir()
    : m_previousHome(qgetenv("LUMORA_HOME"))
{
    QVERIFY2(m_dir.isValid(), "cannot make a temporary application directory");
    qputenv("LUMORA_HOME", m_dir.path().toLocal8Bit());
    ProgramState::instance().reset();
}

TempAppDir::~TempAppDir()
{
    db_close();
    db_set_path(QString());
    ProgramState::instance().reset();
    if (m_previousHome.isEmpty())
        qunsetenv("LUMORA_HOME");
    else
        qputenv("LUMORA_HOME", m_previousHome);
}

void TempAppDir::installCleanDatabase(bool asDatabase) const
{
    const QString clean = QStringLiteral(LUMORA_APP_DIR "/cln/lumora.db");
    QVERIFY2(QFileInfo::exists(clean), "the build has no cln/lumora.db");
    QDir(path()).mkpath(QStringLiteral("cln"));
    QFile::copy(clean, file(QStringLiteral("cln/lumora.db")));
    if (asDatabase)
        QFile::copy(clean, file(QStringLiteral("lumora.db")));
}

void TempAppDir::openDatabase() const
{
    if (!QFileInfo::exists(file(QStringLiteral("lumora.db"))))
        installCleanDatabase(true);
    QFile::setPermissions(file(QStringLiteral("lumora.db")), QFile::ReadOwner | QFile::WriteOwner);
    db_set_path(file(QStringLiteral("lumora.db")));
    QCOMPARE(db_open(), 0);
}

QByteArray TempAppDir::read(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void TempAppDir::write(const QString &relative, const QByteArray &contents) const
{
    QDir(path()).mkpath(QFileInfo(file(relative)).path());
    QFile f(file(relative));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contents);
}
