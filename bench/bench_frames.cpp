// The frame protocol against the simulated mixed plant over a pseudo-terminal
// at 38400 baud: one monitoring read and the identity reads of both register
// maps, each as a ratio to the floor that the bytes on the line and the
// protocol's own pauses set (see README.md).
#include "benchplant.h"
#include "device/devicefamily.h"
#include "device/devicereader.h"
#include "device/devicerecord.h"
#include "linefloor.h"
#include "link/ccommand.h"
#include "link/linehealth.h"
#include "monitor/programstate.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

constexpr int kBaud = 38400;
const char *const kScenario = LUMORA_SOURCE_DIR "/tools/sim/scenarios/mixed-plant.json";

// The simulated plant linked as COM7 of a temporary application directory,
// with the shared port open on it.
struct Plant
{
    BenchPlant bench;
    // The first inverter of each identity register map.
    const InverterSpec *mapA = nullptr;
    const InverterSpec *mapB = nullptr;

    bool start(QString *error)
    {
        if (!bench.start(QString::fromUtf8(kScenario), false, true, error))
            return false;
        for (const InverterSpec &inverter : qAsConst(bench.scenario.inverters)) {
            const InverterSpec *&first = isUSA1Family(inverter.versionw3) ? mapB : mapA;
            if (!first)
                first = &inverter;
        }
        if (ProgramState::instance().sharedPort().open(BenchAppDir::kPort, kBaud) != 1) {
            *error = QStringLiteral("cannot open COM%1 on %2").arg(BenchAppDir::kPort).arg(bench.simulator.ptyPath());
            return false;
        }
        return true;
    }

    // The floor of the exchanges heard since clearRequests(); empty when one went unanswered.
    std::optional<LineFloor> lineFloor() const
    {
        const LineFloor line = LineFloor::of(bench.simulator.requests(), kBaud, bench.scenario.line.turnaroundMs);
        return line.answered ? std::optional<LineFloor>(line) : std::nullopt;
    }

    qint64 logSize() const { return QFileInfo(bench.appDir.file(QStringLiteral("log.txt"))).size(); }
};

Plant *g_plant = nullptr;

// Times one operation per iteration. An attempt with a failed exchange (a log
// line: on a busy machine a reply can miss its timeout) is made again, up to
// three times, and counted as repeated. With `counted`, the exchanges go into
// a line health, as the polling thread's do.
void runTimed(benchmark::State &state, const std::function<bool(CCommand &)> &operation, bool counted = false)
{
    CCommand command(ProgramState::instance().sharedPort());
    LineHealth health;
    if (counted)
        command.setLineHealth(&health);
    FloorTally tally;
    for (auto _ : state) {
        std::optional<LineFloor> line;
        double elapsedMs = 0.0;
        for (int attempt = 0; attempt < 3 && !line; ++attempt) {
            tally.repeated += attempt > 0;
            g_plant->bench.simulator.clearRequests();
            const qint64 logSize = g_plant->logSize();
            const auto begin = std::chrono::steady_clock::now();
            const bool ok = operation(command);
            elapsedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
            if (ok && g_plant->logSize() == logSize)
                line = g_plant->lineFloor();
        }
        if (!line) {
            state.SkipWithError("the reads keep failing: see log.txt");
            return;
        }
        state.SetIterationTime(elapsedMs / 1000.0);
        tally.add(elapsedMs, *line);
    }
    tally.report(state);
}

// The identity reads of the polling for one inverter; true when the record
// came out as the scenario describes the inverter.
bool readIdentity(CCommand &command, const InverterSpec &inverter)
{
    DeviceRecord record;
    record.addr = quint8(inverter.address);
    DeviceReader(command).readIdentity(record);
    return record.versionw3 == inverter.versionw3 && record.sn_name == inverter.serial &&
           record.type_name == inverter.type && record.sequence_ver == inverter.sequenceVersion;
}

void BM_ReadMonitorData(benchmark::State &state)
{
    const quint8 addr = quint8(g_plant->mapA->address);
    runTimed(
        state,
        [addr](CCommand &command) {
            quint8 block[CCommand::kMonitorBlockSize];
            return command.read_monitor_data(addr, block) == 1;
        },
        state.range(0) != 0);
}

void BM_IdentityMapA(benchmark::State &state)
{
    const InverterSpec &inverter = *g_plant->mapA;
    runTimed(state, [&inverter](CCommand &command) { return readIdentity(command, inverter); });
}

void BM_IdentityMapB(benchmark::State &state)
{
    const InverterSpec &inverter = *g_plant->mapB;
    runTimed(state, [&inverter](CCommand &command) { return readIdentity(command, inverter); });
}

// counted:1 with the line health counting, as in the polling thread.
BENCHMARK(BM_ReadMonitorData)->ArgName("counted")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdentityMapA)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdentityMapB)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!initBenchmarks(argc, argv, 5))
        return 1;

    Plant plant;
    QString error;
    if (!plant.start(&error) || !plant.mapA || !plant.mapB) {
        std::fprintf(
            stderr, "bench_frames: %s\n",
            qPrintable(error.isEmpty() ? QStringLiteral("the plant lacks an inverter of each register map") : error));
        return 1;
    }
    g_plant = &plant;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgramState::instance().sharedPort().close();
    return 0;
}
