// The time to a shown window on a database of an earlier installation: four
// inverters' one-minute readings without the hourly power summary (made by
// bench/make_history_db.sh). The window program's own steps are timed from the
// start-up to the window shown (the application object, made once before, is
// left out); the summary is then made behind it, and its time is printed too:
// the start-up waited that long before the window while it made the summary first.
//   bench_startup                  a short run on 31 days made on the spot
//   bench_startup --days 365       the year (2.1 M readings, about 1 GB)
//   bench_startup --db FILE        a database made by the script (its summary is dropped before each run)
//   bench_startup --runs N         runs (default 3); medians
#include "db/database.h"
#include "db/historyfill.h"
#include "db/historyschema.h"
#include "historydatabase.h"
#include "ui/cmain.h"
#include "ui/windowprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kGoalMs = 1000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The database as an earlier installation left it: no summary, no fill begun.
bool dropSummary(const QString &path)
{
    db_set_path(path);
    const bool dropped =
        db_open() == 0 &&
        db_exec(QStringLiteral("DROP TRIGGER IF EXISTS orva_power_hour_insert; "
                               "DROP TRIGGER IF EXISTS orva_power_hour_delete; "
                               "DROP TRIGGER IF EXISTS orva_power_hour_update; DROP VIEW IF EXISTS orva_monitor_power; "
                               "DROP TABLE IF EXISTS orva_power_hour; DROP TABLE IF EXISTS orva_power_hour_fill; "
                               "DROP INDEX IF EXISTS orva_monitor_log_errors; PRAGMA wal_checkpoint(TRUNCATE)")) == 0;
    db_close();
    return dropped;
}

struct Run
{
    double windowMs = 0;
    double fillMs = 0;
    bool made = false;
};

// The window program's start-up, as its main() takes it, up to the shown window; then the summary behind it.
Run startOnce()
{
    Run run;
    QElapsedTimer timer;
    timer.start();
    {
        WindowProgram program;
        QWindow *window = program.window().windowHandle();
        while (!window || !window->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
            window = program.window().windowHandle();
        }
        QCoreApplication::processEvents();
        run.windowMs = double(timer.nsecsElapsed()) / 1e6;
        QElapsedTimer filling;
        filling.start();
        HistoryFill &fill = program.historyFill();
        QEventLoop loop;
        QObject::connect(&fill, &HistoryFill::ended, &loop, [&](bool made, qint64) {
            run.made = made;
            loop.quit();
        });
        if (fill.isRunning())
            loop.exec();
        else
            run.made = HistorySchema::hasPowerSummary();
        run.fillMs = double(filling.nsecsElapsed()) / 1e6;
    }
    db_close();
    return run;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM") : "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    const HistoryDatabase database = HistoryDatabase::fromArguments(app.arguments(), home, 3);
    if (!database.make())
        return 1;
    // The application directory: the database linked in, English chosen, no port.
    qputenv("LUMORA_HOME", QFile::encodeName(home.path()));
    QFile::link(database.path, home.filePath(QStringLiteral("lumora.db")));
    QFile::link(QStringLiteral(LUMORA_APP_DIR "/cln"), home.filePath(QStringLiteral("cln")));
    QSettings(home.filePath(QStringLiteral("app.ini")), QSettings::IniFormat).setValue(QStringLiteral("LANG"), 0);

    std::vector<double> windowMs;
    std::vector<double> fillMs;
    for (int i = 0; i < database.runs; ++i) {
        if (!dropSummary(database.path)) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(database.path));
            return 1;
        }
        const Run run = startOnce();
        if (!run.made) {
            std::fprintf(stderr, "the history summary was not made (see %s)\n",
                         qPrintable(home.filePath(QStringLiteral("log.txt"))));
            return 1;
        }
        std::printf("run %d: window shown after %.0f ms, summary made behind it in %.1f s\n", i + 1, run.windowMs,
                    run.fillMs / 1000);
        std::fflush(stdout);
        windowMs.push_back(run.windowMs);
        fillMs.push_back(run.fillMs);
    }
    int readings = 0;
    db_set_path(database.path);
    db_open();
    db_query_int(QStringLiteral("SELECT count(*) AS n FROM orva_monitor_log"), QStringLiteral("n"), readings);
    db_close();
    std::printf("%d readings without a summary, median of %d runs:\n", readings, database.runs);
    std::printf("  %-46s %7.0f ms (ratio %.2f to the %.0f ms goal)\n", "start-up to the shown window", median(windowMs),
                median(windowMs) / kGoalMs, kGoalMs);
    std::printf("  %-46s %7.1f s (what the window waited for before)\n", "history summary made behind the window",
                median(fillMs) / 1000);
    return 0;
}
