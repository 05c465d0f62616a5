#pragma once

#include "db/database.h"

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement with its values bound, shared by the database's two
// connections. Caller holds the lock of the statement's connection.
namespace BoundStatement {

// Prepares the statement and binds the values; a value list that does not
// match the placeholders is refused. On failure *prepared is null and error set.
int prepare(sqlite3 *handle, const QString &statement, const QVariantList &values, sqlite3_stmt **prepared,
            QString &error);

// Runs one statement with the values bound to its placeholders to its end;
// collects its rows when rows is given. The SQLite result code; error set on failure.
int run(sqlite3 *handle, const QString &statement, const QVariantList &values, DbRows *rows, QString &error);

// The current result row of a stepped statement, NULL as the empty text.
DbRow row(sqlite3_stmt *prepared);

QString errorText(sqlite3 *handle);

// "sql: <statement>, err_msg: <error>"
void logFailure(const QString &statement, const QString &error);

} // namespace BoundStatement
