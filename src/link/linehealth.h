#pragma once

#include "link/linkstats.h"
#include "link/roundtriptimes.h"

#include <array>
#include <map>

// The line-health counts of every device the polling thread exchanges frames
// with: since the program started, and since the hour began. The frame layer
// counts into it; only the thread that owns it touches it, and hands copies on.
class LineHealth
{
public:
    // One exchange as the frame layer saw it: the check of each try's reply,
    // and the round trip of the reply taken.
    struct Exchange
    {
        explicit Exchange(LineDevice asked)
            : device(asked)
        {}
        // roundTripMs < 0: none to count (nothing taken, or hidden by a pause).
        void addTry(const ReplyCheck &reply, double roundTripMs);

        LineDevice device;
        std::array<ReplyCheck, 2> tries{};
        int tryCount = 0;
        double roundTripMs = -1.0;
    };

    void count(const Exchange &exchange);

    // Since the program started.
    LineHealthReport report() const;
    // Since the last clearHour(); devices without an exchange in it are left out.
    LineHealthReport hourReport() const;
    void clearHour();

private:
    struct Tally
    {
        LinkCounts counts;
        RoundTripTimes times;

        void add(const Exchange &exchange);
        LinkStats stats(LineDevice device) const;
    };
    struct Device
    {
        Tally run;
        Tally hour;
    };

    std::map<LineDevice, Device> m_devices;
};
