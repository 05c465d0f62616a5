#pragma once

#include <QtGlobal>

#include <array>

// The round-trip times of one device's replies (request out, reply in), kept
// as a histogram of whole milliseconds so that any number of them takes the
// same room and adding one costs the same.
class RoundTripTimes
{
public:
    void add(double ms);

    bool isEmpty() const { return m_count == 0; }
    double lastMs() const { return m_lastMs; }
    double meanMs() const;
    // The time within which `share` (0 to 1) of the replies came, to the
    // millisecond above; 0 while there is none.
    double percentileMs(double share) const;

    // Replies of kBuckets - 1 ms or more count as that long in the percentile.
    static constexpr int kBuckets = 1024;

private:
    std::array<quint32, kBuckets> m_counts{};
    qint64 m_count = 0;
    double m_sumMs = 0.0;
    double m_lastMs = 0.0;
};
