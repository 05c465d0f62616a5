#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

// The program's one SQLite connection. Every statement runs under one mutex;
// without a connection every statement does nothing and succeeds silently.
// Text is UTF-8 both ways. Values from the line, files or the user are always
// bound as parameters (the forms with a value list), never pasted into SQL.

using DbRow = QMap<QString, QString>; // column name -> value as text (NULL: empty)
using DbRows = QList<DbRow>;

void db_set_path(const QString &path);
QString db_path();
// Opens the stored path (closing an open connection first) and checks that the
// file is a readable database. Returns the SQLite result code (0 success); a
// failed open still leaves a connection, on which statements fail and are logged.
// A database file that is not empty is put in WAL mode, and the read-only second
// connection of ReadConnection is opened beside this one; db_close closes both.
int db_open();
int db_close();
bool db_is_open();

int db_exec(const QString &statement);
int db_exec(const QString &statement, const QVariantList &values);
// Runs the statement once for every value list, all in one transaction, so that
// they cost one commit; no other statement runs meanwhile. Should the transaction
// end before its commit or the commit fail, it is rolled back and every run is
// made again on its own, so that none is lost with it. Each run's result code.
// A refused write (db_is_refusal) ends it at once: the runs not written then get
// that code, so that a locked file costs one busy wait, not one per run.
QList<int> db_exec_each(const QString &statement, const QList<QVariantList> &valueLists);

// The file did not take a write now, but may later: another connection holds
// it, it is read-only, full, or its file or journal failed.
bool db_is_refusal(int resultCode);
// Whether a write could begin now, asked without waiting and without a log
// line: 0, or the code that refuses it.
int db_try_write();

// A statement with the values bound to its placeholders.
struct DbStatement
{
    QString sql;
    QVariantList values;
};
// Runs the statements in one transaction: all of them, or none when one fails
// (then its result code is returned). 0 on success.
int db_exec_transaction(const QList<DbStatement> &statements);

DbRows db_query(const QString &statement);
// resultCode, when given, receives the SQLite result code: a failed query and
// a query without rows both give an empty list.
DbRows db_query(const QString &statement, const QVariantList &values, int *resultCode = nullptr);

// True and the integer when the first row has the column and its text is a decimal integer.
bool db_query_int(const QString &statement, const QString &column, int &value);
bool db_query_int(const QString &statement, const QVariantList &values, const QString &column, int &value);

// SQLite's English text for a result code, for log lines.
QString db_result_text(int resultCode);

// The version of the SQLite library in use, such as "3.40.1".
QString db_library_version();
