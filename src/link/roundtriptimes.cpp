#include "link/roundtriptimes.h"

#include <algorithm>
#include <cmath>

void RoundTripTimes::add(double ms)
{
    ms = std::max(ms, 0.0);
    // Bucket b holds the times above b - 1 ms up to b ms (0 ms in bucket 0).
    const int bucket = int(std::min(std::ceil(ms), double(kBuckets - 1)));
    ++m_counts[size_t(bucket)];
    ++m_count;
    m_sumMs += ms;
    m_lastMs = ms;
}

double RoundTripTimes::meanMs() const
{
    return m_count > 0 ? m_sumMs / double(m_count) : 0.0;
}

double RoundTripTimes::percentileMs(double share) const
{
    // The smallest bucket that holds at least `share` of all replies.
    const double wanted = std::ceil(share * double(m_count));
    qint64 seen = 0;
    for (int bucket = 0; bucket < kBuckets; ++bucket) {
        seen += m_counts[size_t(bucket)];
        if (seen > 0 && double(seen) >= wanted)
            return bucket;
    }
    return 0.0;
}
