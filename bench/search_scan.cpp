// Full scans of the search over lumora-sim: an empty line and the 32-inverter
// plant at 38400 and 9600 baud, each against the floor that the search's own
// pauses and reply windows and the bytes on the line set.
//
// bench_search [--runs N]   (default 1 run per case; the median is printed)

#include "benchappdir.h"
#include "link/ccommand.h"
#include "link/cserial.h"
#include "monitor/qburnsearch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kScanPauseMs = 10;       // before every scan request
constexpr int kExpectedScanReply = 11; // bytes: the read window adds 1 ms for each
constexpr int kReadsPerFinding = 8;    // follow-up reads at an answering address, each followed by 10 ms
constexpr int kPauseAfterReadMs = 10;
constexpr int kPauseAfterFindingMs = 50;
// Requests and replies on the line at one answering address: the scan (10 + 11), two serial-number
// reads (2 x (10 + 37 + 10 + 9)), versionw3 and model (2 x (10 + 9)), serial words (10 + 11), serial text (10 + 23).
constexpr int kBytesPerFinding = 21 + 2 * 66 + 2 * 19 + 21 + 33;

// The scan's reply window, as the frame protocol computes it for the line's rate.
int replyTime(int baud)
{
    CSerial line;
    line.set_port_baud(BenchAppDir::kPort, baud);
    return CCommand(line).reply_timeout(kExpectedScanReply);
}

double floorMs(int baud, int occupied)
{
    const double emptyAddress = kScanPauseMs + kExpectedScanReply + replyTime(baud);
    const double byteMs = 10000.0 / baud; // ten bits a byte
    const double foundAddress =
        kScanPauseMs + kReadsPerFinding * kPauseAfterReadMs + kPauseAfterFindingMs + kBytesPerFinding * byteMs;
    return (255 - occupied) * emptyAddress + occupied * foundAddress;
}

int occupiedAddresses(const QString &scenarioPath)
{
    QFile file(scenarioPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QSet<int> addresses;
    for (const QJsonValue &inverter : QJsonDocument::fromJson(file.readAll()).object().value("inverters").toArray())
        addresses << inverter.toObject().value("address").toInt();
    return addresses.size();
}

// lumora-sim serving a scenario as <appdir>/ports/COM7 while it lives.
class SimProcess
{
public:
    bool start(const QString &scenario, const QString &appDir)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(
            QStringLiteral(LUMORA_SIM_COMMAND),
            {scenario, QStringLiteral("--link"), appDir + QStringLiteral("/ports/COM%1").arg(BenchAppDir::kPort)});
        QByteArray output;
        while (m_process.waitForReadyRead(10000)) {
            output += m_process.readAllStandardOutput();
            if (output.contains("linked as"))
                return true;
        }
        return false;
    }
    ~SimProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

private:
    QProcess m_process;
};

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

bool runCase(const QString &name, const QString &scenario, int baud, int runs)
{
    BenchAppDir appDir;
    QString error;
    SimProcess sim;
    if (!appDir.open(false, &error) || !sim.start(scenario, appDir.path())) {
        std::printf("%-8s %5d baud: the simulator did not start\n", qPrintable(name), baud);
        return false;
    }
    const int occupied = occupiedAddresses(scenario);

    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        QBurnSearch search(BenchAppDir::kPort, QBurnSearch::kReadTimeoutConstant, baud);
        QElapsedTimer timer;
        timer.start();
        search.start();
        search.wait();
        times << double(timer.nsecsElapsed()) / 1e6;
        if (search.found().size() != occupied) {
            std::printf("%-8s %5d baud: found %d of %d inverters\n", qPrintable(name), baud, int(search.found().size()),
                        occupied);
            return false;
        }
    }
    const double floor = floorMs(baud, occupied);
    const double measured = median(times);
    std::printf("%-8s %5d baud: %2d inverters, median %8.0f ms of %d run(s), floor %8.0f ms, ratio %.3f\n",
                qPrintable(name), baud, occupied, measured, runs, floor, measured / floor);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per case."), QStringLiteral("n"),
                                        QStringLiteral("1"));
    parser.addOption(runsOption);
    const QCommandLineOption smokeOption(
        QStringLiteral("smoke"), QStringLiteral("One case only (the plant at 38400 baud): a check that it runs."));
    parser.addOption(smokeOption);
    parser.addHelpOption();
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const bool smoke = parser.isSet(smokeOption);

    QTemporaryDir scenarios;
    const QString empty = scenarios.filePath(QStringLiteral("empty.json"));
    QFile emptyFile(empty);
    if (!emptyFile.open(QIODevice::WriteOnly) || emptyFile.write(R"({"inverters": []})") < 0)
        return 1;
    emptyFile.close();
    const QString plant = QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/plant-32.json");

    std::printf("Full search scans (floor: pauses, reply windows and bytes on the line)\n");
    bool complete = true;
    if (smoke)
        return runCase(QStringLiteral("plant-32"), plant, 38400, 1) ? 0 : 1;
    for (int baud : {38400, 9600}) {
        complete = runCase(QStringLiteral("empty"), empty, baud, runs) && complete;
        complete = runCase(QStringLiteral("plant-32"), plant, baud, runs) && complete;
    }
    return complete ? 0 : 1;
}
