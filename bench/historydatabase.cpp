#include "historydatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

HistoryDatabase HistoryDatabase::fromArguments(const QStringList &args, const QTemporaryDir &dir, int defaultRuns)
{
    const auto value = [&args](const char *option) {
        const int at = args.indexOf(QLatin1String(option));
        return at > 0 ? args.value(at + 1) : QString();
    };
    HistoryDatabase database;
    database.path = value("--db");
    if (database.path.isEmpty())
        database.path = dir.filePath(QStringLiteral("readings.db"));
    database.days = value("--days").isEmpty() ? 31 : value("--days").toInt();
    database.runs = qMax(1, value("--runs").isEmpty() ? defaultRuns : value("--runs").toInt());
    return database;
}

bool HistoryDatabase::make() const
{
    if (QFile::exists(path))
        return true;
    std::printf("making %d days of readings in %s\n", days, qPrintable(path));
    std::fflush(stdout);
    if (QProcess::execute(QStringLiteral(LUMORA_SOURCE_DIR "/bench/make_history_db.sh"),
                          {path, QString::number(days)}) == 0)
        return true;
    std::fprintf(stderr, "cannot make the database\n");
    return false;
}
