#include "device/monitordecoder.h"

#include "device/devicerecord.h"

#include <algorithm>

namespace {
constexpr double kMaxEfficiency = 96.3;

// The registers of the block that differ between the families.
struct Layout
{
    int hours, minutes, seconds; // total operating time
    int timeToday;               // operating time today
    double timeTodayScale;       // hours per count
    int energyHigh, energyLow;   // MWh, tenths of kWh
};

constexpr Layout kLayoutUSA1{214, 215, 216, 208, 1.0 / 1800, 202, 203};
constexpr Layout kLayoutOthers{209, 210, 211, 204, 1.0 / 2048, 196, 197};

void decodeStringsAndGrid(DeviceRecord &d)
{
    auto w = [&d](int registerNo) { return d.word(registerNo); };
    switch (d.family()) {
    case DeviceFamily::USA1:
        d.dc_power = w(191) + w(190);
        d.ipv = (w(189) + w(188)) * 0.1;
        d.vpv = (w(187) + w(186)) * 0.1;
        d.ac_power = w(200) + w(197) + w(194);
        d.iac = (w(196) + w(193) + w(199)) * 0.1;
        d.vac = (w(195) + w(192) + w(198)) * 0.1;
        d.fac = w(201) * 0.01;
        return;
    case DeviceFamily::USA0:
        d.dc_power = w(189);
        d.ipv = w(225) * 0.1;
        d.vpv = w(186) * 0.1;
        break;
    case DeviceFamily::EUR:
        // Averages over the strings: A and C, or A, B and C on a three-string model.
        if (d.isThreeString()) {
            d.dc_power = w(190) + w(189) + w(191);
            d.ipv = (w(226) + w(225) + w(227)) * 0.1 / 3;
            d.vpv = (w(187) + w(186) + w(188)) * 0.1 / 3;
        } else {
            d.dc_power = w(189) + w(191);
            d.ipv = (w(225) + w(227)) * 0.1 * 0.5;
            d.vpv = (w(186) + w(188)) * 0.1 * 0.5;
        }
        break;
    }
    d.ac_power = w(193);
    d.iac = w(194) * 0.1;
    d.vac = w(192) * 0.1;
    d.fac = w(195) * 0.01;
}
} // namespace

void decodeMonitorBlock(DeviceRecord &d)
{
    decodeStringsAndGrid(d);

    const Layout &layout = d.isUSA1Family() ? kLayoutUSA1 : kLayoutOthers;
    d.output_time =
        QStringLiteral("%1:%2:%3").arg(d.word(layout.hours)).arg(d.word(layout.minutes)).arg(d.word(layout.seconds));
    const float hoursToday = float(d.word(layout.timeToday) * layout.timeTodayScale);
    d.time_on_today = QString::asprintf("%#.2f", double(hoursToday)) + QStringLiteral("Hr");
    d.total_power = d.word(layout.energyHigh) * 1000.0 + d.word(layout.energyLow) * 0.1;

    if (d.isUSA1Family()) {
        const int nominal = d.word(229);
        d.nominal_fac = (nominal == 50 || nominal == 60) ? nominal : 50;
    }

    d.state_code = d.word(181);
    d.err1 = d.word(182);
    d.err2 = d.word(183);
    d.err3 = d.word(184);
    d.err4 = d.word(185);
}

void setEfficiencyFromPowers(DeviceRecord &record)
{
    if (record.ac_power == 0 || record.dc_power == 0)
        return;
    const double efficiency = double(record.ac_power) / record.dc_power * 100.0;
    record.efficiency = efficiency > 0 ? std::min(efficiency, kMaxEfficiency) : 0.0;
}

void setEfficiencyFromQuotient(DeviceRecord &record, float quotient)
{
    record.efficiency = quotient > 0 ? std::min(quotient * 100.0, kMaxEfficiency) : 0.0;
}
