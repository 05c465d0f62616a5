#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh application directory for one test: LUMORA_HOME points at it, the
// program-wide state is reset, and the database is closed when it goes.
class TempAppDir
{
public:
    TempAppDir();
    ~TempAppDir();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

    // Copies the clean database of the build into cln/ (and, with asDatabase, to lumora.db).
    void installCleanDatabase(bool asDatabase = true) const;
    // Opens lumora.db as the program's database (installing the clean one first when absent).
    void openDatabase() const;

    QByteArray read(const QString &relative) const;
    void write(const QString &relative, const QByteArray &contents) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};
