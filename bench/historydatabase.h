#pragma once

#include <QString>
#include <QStringList>

class QTemporaryDir;

// The database of the benchmarks on years of readings, from their command line:
// --db FILE names one made by make_history_db.sh (made there when it does not
// exist), otherwise --days N days (default 31) are made in a temporary folder;
// --runs N (default: the benchmark's).
struct HistoryDatabase
{
    QString path;
    int days = 31;
    int runs = 1;

    static HistoryDatabase fromArguments(const QStringList &args, const QTemporaryDir &dir, int defaultRuns);
    // Makes the database unless it exists; false (with a message) when it cannot.
    bool make() const;
};
