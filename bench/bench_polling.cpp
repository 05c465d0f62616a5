// The polling thread against the simulated 32-inverter plant at 38400 baud:
// one polling cycle of 1, 8 and 32 inverters as a ratio to the floor that the
// line sets (the bytes of every exchange at 10 bits per byte, the plant's
// turnaround and the protocol's 10 ms pause after every good reply), also while
// another program holds the database in an exclusive transaction; and one
// recording pass of 32 inverters into a database that already holds 500,000
// readings; and the polling cycle while every cycle is published to a
// Mosquitto broker on loopback. See README.md.
#include "base/clock.h"
#include "benchplant.h"
#include "db/database.h"
#include "linefloor.h"
#include "monitor/databasewriter.h"
#include "monitor/monitorrecorder.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"
#include "publish/mqttpublisher.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace {

constexpr int kBaud = 38400;
constexpr int kStoredReadings = 500000;
constexpr int kRecordedInverters = 32;
const char *const kScenario = LUMORA_SOURCE_DIR "/tools/sim/scenarios/plant-32.json";

using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point begin)
{
    return std::chrono::duration<double, std::milli>(Steady::now() - begin).count();
}

// Wall time, with the polling thread's pauses passed over at once, so that
// two polling_ok() signals enclose one cycle's work alone.
class SkippingClock : public Clock
{
public:
    SkippingClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime().addMSecs(m_skipped.load()); }
    qint64 elapsedMs() const override { return m_timer.elapsed() + m_skipped.load(); }
    void sleepMs(int ms) override { m_skipped += ms; }

private:
    QElapsedTimer m_timer;
    std::atomic<qint64> m_skipped{0};
};

// Another program holding the database in an exclusive transaction while it lives.
class OtherProgramsLock
{
public:
    explicit OtherProgramsLock(const QString &database)
    {
        sqlite3_open(QFile::encodeName(database).constData(), &m_db);
        sqlite3_busy_timeout(m_db, 20000); // the writer may be in a transaction
        m_locked = sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~OtherProgramsLock()
    {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
    }
    bool locked() const { return m_locked; }

private:
    sqlite3 *m_db = nullptr;
    bool m_locked = false;
};

// One measured cycle: its time and the floor of the exchanges it made.
struct CycleTime
{
    double measuredMs = 0.0;
    LineFloor line;
    bool clean = true; // every request answered, no read logged as failed
};

// The plant on COM7 and the polling thread cycling over the first n addresses.
class PollingBench
{
public:
    bool start(QString *error)
    {
        if (!m_plant.start(QString::fromUtf8(kScenario), true, true, error))
            return false;
        Clock::install(&m_clock);
        ProgramState::instance().setLineSettings(BenchAppDir::kPort, kBaud);
        QObject::connect(
            &m_thread, &QPollingThread::polling_ok, &m_thread, [this] { cycleEnded(); }, Qt::DirectConnection);
        return true;
    }

    ~PollingBench()
    {
        halt();
        Clock::install(nullptr);
    }

    // Restarts the thread on the first `count` inverters; the first cycle (rows
    // inserted, the first recording) is not measured.
    void poll(int count)
    {
        halt();
        QList<int> addresses;
        for (int i = 0; i < count; ++i)
            addresses << m_plant.scenario.inverters.at(i).address;
        ProgramState::instance().addressTable().assign(addresses);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_cycles.clear();
            m_skip = 1;
        }
        m_thread.start();
    }

    void halt()
    {
        m_thread.stop();
        m_thread.wait();
    }

    QString databasePath() const { return m_plant.appDir.file(QStringLiteral("lumora.db")); }

    // Runs in the polling thread at the end of every cycle, after it is timed.
    void setCycleHook(std::function<void()> hook) { m_hook = std::move(hook); }

    CycleTime nextCycle()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_cycles.empty(); });
        const CycleTime cycle = m_cycles.front();
        m_cycles.pop_front();
        return cycle;
    }

private:
    // In the polling thread, at the end of every cycle.
    void cycleEnded()
    {
        CycleTime cycle;
        cycle.measuredMs = msSince(m_cycleBegin);
        cycle.line = LineFloor::of(m_plant.simulator.requests(), kBaud, m_plant.scenario.line.turnaroundMs);
        // The database's own lines (a lock) say nothing about the line.
        QFile log(m_plant.appDir.file(QStringLiteral("log.txt")));
        QByteArray added;
        if (log.open(QIODevice::ReadOnly)) {
            log.seek(log.size() >= m_logSize ? m_logSize : 0);
            added = log.readAll();
        }
        m_logSize = log.pos();
        cycle.clean = cycle.line.answered && !added.contains("read_by_send");
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_skip > 0)
                --m_skip;
            else
                m_cycles.push_back(cycle);
        }
        m_ready.notify_all();
        if (m_hook)
            m_hook();
        m_plant.simulator.clearRequests();
        m_cycleBegin = Steady::now(); // the pause that follows takes no time
    }

    BenchPlant m_plant;
    SkippingClock m_clock;
    QPollingThread m_thread;
    Steady::time_point m_cycleBegin = Steady::now();
    qint64 m_logSize = 0;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<CycleTime> m_cycles;
    int m_skip = 0;
    std::function<void()> m_hook;
};

PollingBench *g_polling = nullptr;

// One polling cycle per iteration; a cycle with a failed exchange (a busy
// machine can make a reply miss its timeout) is taken again, up to three times.
void measureCycles(benchmark::State &state)
{
    FloorTally tally;
    for (auto _ : state) {
        CycleTime cycle = g_polling->nextCycle();
        for (int attempt = 1; attempt < 3 && !cycle.clean; ++attempt) {
            ++tally.repeated;
            cycle = g_polling->nextCycle();
        }
        if (!cycle.clean) {
            state.SkipWithError("the reads keep failing: see log.txt");
            return;
        }
        state.SetIterationTime(cycle.measuredMs / 1000.0);
        tally.add(cycle.measuredMs, cycle.line);
    }
    tally.report(state);
}

void BM_PollingCycle(benchmark::State &state)
{
    g_polling->poll(int(state.range(0)));
    measureCycles(state);
    g_polling->halt();
}

// The same while another program holds the database: the readings wait in memory.
void BM_PollingCycleDatabaseLocked(benchmark::State &state)
{
    g_polling->poll(int(state.range(0)));
    {
        const OtherProgramsLock lock(g_polling->databasePath());
        if (lock.locked())
            measureCycles(state);
        else
            state.SkipWithError("the database could not be locked");
    }
    g_polling->halt();
}

// A Mosquitto broker on a free loopback port while it lives.
class Broker
{
public:
    bool start()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
        probe.close();
        QFile config(m_dir.filePath(QStringLiteral("mosquitto.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return false;
        config.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n").arg(m_port).toLatin1());
        config.close();
        m_process.start(QStringLiteral("/usr/sbin/mosquitto"), {QStringLiteral("-c"), config.fileName()});
        for (int attempt = 0; attempt < 100 && m_process.waitForStarted(); ++attempt) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    ~Broker()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }
    quint16 port() const { return m_port; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

// The same cycles while each one is published: the snapshot taken and the
// messages made on a thread of their own (the window's GUI thread, the
// logger's main thread), sent by the publisher's connection thread.
void BM_PollingCyclePublishing(benchmark::State &state)
{
    Broker broker;
    if (!broker.start()) {
        state.SkipWithError("no Mosquitto broker (/usr/sbin/mosquitto)");
        return;
    }
    QThread main;
    MqttPublisher publisher(ProgramState::instance().sensors());
    MqttSettings settings;
    settings.enabled = true;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = broker.port();
    settings.site = QStringLiteral("bench");
    settings.clientId = settings.defaultClientId();
    settings.topicPrefix = settings.defaultTopicPrefix();
    settings.discoveryPrefix = QStringLiteral("homeassistant");
    publisher.configure(settings);
    publisher.moveToThread(&main);
    main.start();
    std::atomic<int> published{0};
    g_polling->setCycleHook([&] {
        QMetaObject::invokeMethod(&publisher, [&] {
            publisher.publishCycle(ProgramState::instance().devices().snapshot());
            ++published;
        });
    });
    g_polling->poll(int(state.range(0)));
    measureCycles(state);
    g_polling->halt();
    g_polling->setCycleHook({});
    QMetaObject::invokeMethod(
        &publisher, [&] { publisher.stop(); publisher.moveToThread(QCoreApplication::instance()->thread()); },
        Qt::BlockingQueuedConnection);
    main.quit();
    main.wait();
    state.counters["published"] = published.load();
}

// A database of kStoredReadings rows for 32 inverters, one a minute each, and
// 32 online records to record.
class RecordingBench
{
public:
    bool start(QString *error)
    {
        if (!m_appDir.open(true, error))
            return false;
        if (!fill()) {
            *error = QStringLiteral("cannot build the database: %1").arg(QString::fromUtf8(sqlite3_errstr(m_rc)));
            return false;
        }
        m_writer.begin(kRecordedInverters * 100);
        for (int i = 0; i < kRecordedInverters; ++i) {
            auto device = std::make_unique<QDevice>(quint8(i + 1));
            device->versionw3 = (i % 4 == 3) ? 303 : 0;
            device->efficiency = 95.3;
            device->sn_name = QStringLiteral("LE04P%1").arg(i + 1, 7, 10, QLatin1Char('0'));
            quint8 block[DeviceRecord::kMonitorBlockSize];
            for (int b = 0; b < DeviceRecord::kMonitorBlockSize; ++b)
                block[b] = quint8((b * 37 + i) & 0xFF);
            device->setMonitorBlock(block);
            m_list << device.get();
            m_devices.push_back(std::move(device));
        }
        return true;
    }

    // Handed over and written.
    void recordPass()
    {
        m_recorder.recordReadings(m_list);
        m_writer.waitUntilWritten(60000);
    }

private:
    bool fill()
    {
        sqlite3 *db = nullptr;
        m_rc = sqlite3_open(QFile::encodeName(m_appDir.file(QStringLiteral("lumora.db"))).constData(), &db);
        sqlite3_stmt *insert = nullptr;
        const char *sql = "INSERT INTO orva_monitor_log (versionw3,log_time,inverter_id,state_code,err1,err2,err3,"
                          "err4,monitor_data,efficiency,sensor_value) VALUES(0,?,?,50,0,0,0,0,?,95.3,'')";
        if (m_rc == SQLITE_OK)
            m_rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 1; m_rc == SQLITE_OK && i <= kRecordedInverters; ++i) {
            const QByteArray row = QStringLiteral("INSERT INTO orva_inverter (sn_name, online) VALUES "
                                                  "('LE04P%1', 1)")
                                       .arg(i, 7, 10, QLatin1Char('0'))
                                       .toLatin1();
            m_rc = sqlite3_exec(db, row.constData(), nullptr, nullptr, nullptr);
        }
        if (m_rc == SQLITE_OK)
            m_rc = sqlite3_prepare_v2(db, sql, -1, &insert, nullptr);
        QStringList words;
        for (int w = 0; w < 85; ++w)
            words << QString::number((w * 997) % 6000);
        const QByteArray monitorData = words.join(QLatin1Char(',')).toLatin1();
        const QDateTime start(QDate(2025, 6, 1), QTime(6, 0));
        for (int i = 0; m_rc == SQLITE_OK && i < kStoredReadings; ++i) {
            const QByteArray time =
                start.addSecs(60 * (i / kRecordedInverters)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1();
            sqlite3_bind_text(insert, 1, time.constData(), time.size(), SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 2, i % kRecordedInverters + 1);
            sqlite3_bind_text(insert, 3, monitorData.constData(), monitorData.size(), SQLITE_STATIC);
            m_rc = sqlite3_step(insert) == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(db);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        if (m_rc == SQLITE_OK)
            m_rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return m_rc == SQLITE_OK;
    }

    BenchAppDir m_appDir;
    int m_rc = SQLITE_OK;
    DatabaseWriter m_writer;
    MonitorRecorder m_recorder{m_writer};
    std::vector<std::unique_ptr<QDevice>> m_devices;
    QList<QDevice *> m_list;
};

void BM_RecordingPass(benchmark::State &state)
{
    static RecordingBench *bench = nullptr;
    static QString error;
    if (!bench) {
        bench = new RecordingBench; // lives to the end of the program
        if (!bench->start(&error))
            std::fprintf(stderr, "bench_polling: %s\n", qPrintable(error));
    }
    if (!error.isEmpty()) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    double totalMs = 0.0;
    for (auto _ : state) {
        const auto begin = Steady::now();
        bench->recordPass();
        const double ms = msSince(begin);
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
    }
    state.counters["target_ms"] = 50;
    state.counters["ratio"] = totalMs / double(state.iterations()) / 50.0;
}

// Few iterations: a cycle of 32 inverters alone takes about ten seconds.
BENCHMARK(BM_PollingCycle)->Arg(1)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PollingCycle)->Arg(8)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PollingCycle)->Arg(32)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PollingCyclePublishing)->Arg(1)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PollingCyclePublishing)->Arg(8)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PollingCycleDatabaseLocked)->Arg(1)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PollingCycleDatabaseLocked)->Arg(8)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordingPass)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!initBenchmarks(argc, argv, 3))
        return 1;

    PollingBench polling;
    QString error;
    if (!polling.start(&error)) {
        std::fprintf(stderr, "bench_polling: %s\n", qPrintable(error));
        return 1;
    }
    g_polling = &polling;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
