#pragma once

#include "db/database.h"

struct sqlite3_stmt;

// A second connection to the program's database, opened read-only beside the
// main one by db_open and closed by db_close, with a lock of its own. With the
// database in WAL mode a long history query neither waits for the recorder's
// writes nor holds them up. Failures are logged as db_query logs them; without
// a database every query returns no rows, silently.
class ReadConnection
{
public:
    static DbRows query(const QString &statement, const QVariantList &values = {}, int *resultCode = nullptr);

    // Called by db_open and db_close only. The SQLite result code of the open.
    static int open(const QString &path);
    static void close();
};

// Steps through the rows of one query on the read connection, one row per
// next(), so that a long result is never held in memory as a whole. The read
// snapshot stays open while the cursor has rows: keep cursors short-lived, or
// the database's write-ahead log cannot be folded back into the file.
class ReadCursor
{
public:
    explicit ReadCursor(const QString &statement, const QVariantList &values = {});
    ~ReadCursor();
    ReadCursor(const ReadCursor &) = delete;
    ReadCursor &operator=(const ReadCursor &) = delete;

    // Moves to the next row; false at the end, on a failure (logged) or once
    // the database was closed.
    bool next();
    // SQLite result code of the last failure, 0 when none.
    int resultCode() const { return m_resultCode; }

    // Columns of the current row by index. Text comes as UTF-8 bytes; NULL reads as empty or 0.
    QByteArray bytes(int column) const;
    QString text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    DbRow row() const;

private:
    void finish();

    QString m_statement;
    sqlite3_stmt *m_prepared = nullptr;
    quint64 m_generation = 0;
    int m_resultCode = 0;
};
