#pragma once

#include <QString>
#include <QTemporaryDir>

// A benchmark's application directory: a temporary one that LUMORA_HOME points
// at, with the program-wide state reset, and the build's clean database opened
// in it when asked for (closed again when the directory goes).
class BenchAppDir
{
public:
    // The COM port of a benchmark's line: ports/COM7 of the directory.
    static constexpr int kPort = 7;

    BenchAppDir() = default;
    ~BenchAppDir();
    BenchAppDir(const BenchAppDir &) = delete;
    BenchAppDir &operator=(const BenchAppDir &) = delete;

    // False, with the reason, when the directory or its database cannot be made.
    bool open(bool withDatabase, QString *error);

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    bool m_database = false;
};
