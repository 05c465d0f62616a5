#include "benchappdir.h"

#include "db/database.h"
#include "monitor/programstate.h"

#include <QFile>

BenchAppDir::~BenchAppDir()
{
    if (m_database)
        db_close();
}

bool BenchAppDir::open(bool withDatabase, QString *error)
{
    if (!m_dir.isValid()) {
        *error = QStringLiteral("no temporary directory");
        return false;
    }
    qputenv("LUMORA_HOME", m_dir.path().toLocal8Bit());
    ProgramState::instance().reset();
    if (!withDatabase)
        return true;
    const QString database = file(QStringLiteral("lumora.db"));
    if (!QFile::copy(QStringLiteral(LUMORA_APP_DIR "/cln/lumora.db"), database)) {
        *error = QStringLiteral("no clean database in " LUMORA_APP_DIR "/cln");
        return false;
    }
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    db_set_path(database);
    m_database = db_open() == 0;
    if (!m_database)
        *error = QStringLiteral("cannot open %1").arg(database);
    return m_database;
}
