#include "link/linehealth.h"

namespace {

constexpr double kPercentile = 0.95;

} // namespace

void LineHealth::Exchange::addTry(const ReplyCheck &reply, double ms)
{
    if (tryCount >= int(tries.size()))
        return;
    tries[size_t(tryCount++)] = reply;
    if (reply.taken && ms >= 0)
        roundTripMs = ms;
}

void LineHealth::count(const Exchange &exchange)
{
    Device &device = m_devices[exchange.device];
    device.run.add(exchange);
    device.hour.add(exchange);
}

void LineHealth::Tally::add(const Exchange &exchange)
{
    counts.add(exchange.tries.data(), exchange.tryCount);
    if (exchange.roundTripMs >= 0)
        times.add(exchange.roundTripMs);
}

LinkStats LineHealth::Tally::stats(LineDevice device) const
{
    LinkStats stats;
    stats.device = device;
    stats.counts = counts;
    if (!times.isEmpty()) {
        stats.roundTripLastMs = times.lastMs();
        stats.roundTripMeanMs = times.meanMs();
        stats.roundTripP95Ms = times.percentileMs(kPercentile);
    }
    return stats;
}

LineHealthReport LineHealth::report() const
{
    LineHealthReport report;
    report.reserve(int(m_devices.size()));
    for (const auto &[device, tallies] : m_devices)
        report << tallies.run.stats(device);
    return report;
}

LineHealthReport LineHealth::hourReport() const
{
    LineHealthReport report;
    for (const auto &[device, tallies] : m_devices) {
        if (tallies.hour.counts.exchanges > 0)
            report << tallies.hour.stats(device);
    }
    return report;
}

void LineHealth::clearHour()
{
    for (auto &entry : m_devices)
        entry.second.hour = Tally();
}
