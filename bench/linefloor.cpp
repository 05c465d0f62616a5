#include "linefloor.h"

#include <string>
#include <vector>

namespace {
// read_by_send sleeps this long after every reply it accepts.
constexpr double kPauseAfterReadMs = 10.0;
} // namespace

LineFloor LineFloor::of(const QVector<HeardRequest> &requests, int baud, double turnaroundMs)
{
    const double byteMs = 10.0 * 1000.0 / baud;
    LineFloor line;
    for (const HeardRequest &request : requests) {
        line.answered = line.answered && !request.answer.isEmpty();
        line.floorMs += (request.bytes.size() + request.answer.size()) * byteMs + turnaroundMs + kPauseAfterReadMs;
        line.simulatorLateMs += request.lateMs;
    }
    return line;
}

void FloorTally::add(double measured, const LineFloor &line)
{
    measuredMs += measured;
    floorMs += line.floorMs;
    simulatorLateMs += line.simulatorLateMs;
}

void FloorTally::report(benchmark::State &state) const
{
    state.counters["floor_ms"] = floorMs / double(state.iterations());
    state.counters["ratio"] = measuredMs / floorMs;
    state.counters["overhead_%"] = (measuredMs / floorMs - 1.0) * 100.0;
    state.counters["own_%"] = (measuredMs - simulatorLateMs - floorMs) / floorMs * 100.0;
    state.counters["repeated"] = repeated;
}

bool initBenchmarks(int argc, char **argv, int repetitions)
{
    std::string repetitionsFlag = "--benchmark_repetitions=" + std::to_string(repetitions);
    std::string aggregatesFlag = "--benchmark_report_aggregates_only=true";
    std::vector<char *> args = {argv[0], repetitionsFlag.data(), aggregatesFlag.data()};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    return !benchmark::ReportUnrecognizedArguments(count, args.data());
}
