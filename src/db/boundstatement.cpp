#include "db/boundstatement.h"

#include "base/log.h"

#include <sqlite3.h>

namespace {

int bindValue(sqlite3_stmt *statement, int index, const QVariant &value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(statement, index, qint64(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(statement, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, text.constData(), text.size(), SQLITE_TRANSIENT);
    }
    }
}

} // namespace

namespace BoundStatement {

int prepare(sqlite3 *handle, const QString &statement, const QVariantList &values, sqlite3_stmt **prepared,
            QString &error)
{
    *prepared = nullptr;
    const QByteArray sql = statement.toUtf8();
    int rc = sqlite3_prepare_v2(handle, sql.constData(), sql.size(), prepared, nullptr);
    if (rc != SQLITE_OK) {
        error = errorText(handle);
        sqlite3_finalize(*prepared);
        *prepared = nullptr;
        return rc;
    }
    const int placeholders = *prepared ? sqlite3_bind_parameter_count(*prepared) : 0;
    if (placeholders != values.size()) {
        // A placeholder left without its value would be stored as NULL.
        error = QStringLiteral("%1 values for %2 placeholders").arg(values.size()).arg(placeholders);
        rc = SQLITE_RANGE;
    }
    for (int i = 0; rc == SQLITE_OK && i < values.size(); ++i) {
        rc = bindValue(*prepared, i + 1, values.at(i));
        if (rc != SQLITE_OK)
            error = errorText(handle);
    }
    if (rc != SQLITE_OK) {
        sqlite3_finalize(*prepared);
        *prepared = nullptr;
    }
    return rc;
}

int run(sqlite3 *handle, const QString &statement, const QVariantList &values, DbRows *rows, QString &error)
{
    sqlite3_stmt *prepared = nullptr;
    int rc = prepare(handle, statement, values, &prepared, error);
    while (rc == SQLITE_OK && prepared) {
        const int step = sqlite3_step(prepared);
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW) {
            rc = step;
            error = errorText(handle);
        } else if (rows) {
            rows->append(row(prepared));
        }
    }
    sqlite3_finalize(prepared);
    return rc;
}

DbRow row(sqlite3_stmt *prepared)
{
    DbRow row;
    const int columns = sqlite3_column_count(prepared);
    for (int i = 0; i < columns; ++i) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(prepared, i));
        row.insert(QString::fromUtf8(sqlite3_column_name(prepared, i)),
                   text ? QString::fromUtf8(text, sqlite3_column_bytes(prepared, i)) : QString());
    }
    return row;
}

QString errorText(sqlite3 *handle)
{
    return QString::fromUtf8(sqlite3_errmsg(handle));
}

void logFailure(const QString &statement, const QString &error)
{
    write_log(QStringLiteral("sql: %1, err_msg: %2").arg(statement, error));
}

} // namespace BoundStatement
