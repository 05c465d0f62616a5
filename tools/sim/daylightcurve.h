#pragma once

#include <QDateTime>

// The course of a sunny day: zero at night and a smooth bell, sin^2, between
// sunrise and sunset (local time), 1.0 at midday. Integrals over time are
// closed-form, so energy counters stay exact whatever time the clock jumps to.
class DaylightCurve
{
public:
    DaylightCurve() = default;
    // Sunrise and sunset in seconds after local midnight, sunrise < sunset.
    DaylightCurve(int sunrise, int sunset);

    int sunrise() const { return m_sunrise; }
    int sunset() const { return m_sunset; }

    // 0.0 ... 1.0 at time t.
    double shape(const QDateTime &t) const;
    // Integral of shape() from `from` to `to`, in seconds.
    double shapeSeconds(const QDateTime &from, const QDateTime &to) const;
    // Integral of shape() from local midnight of t to t, in seconds.
    double shapeSecondsToday(const QDateTime &t) const;
    // Seconds of daylight between `from` and `to`, and since midnight of t.
    double daylightSeconds(const QDateTime &from, const QDateTime &to) const;
    double daylightSecondsToday(const QDateTime &t) const;

private:
    double shapeUntil(double secondOfDay) const;
    double daylightUntil(double secondOfDay) const;
    double cumulativeShape(const QDateTime &t) const;
    double cumulativeDaylight(const QDateTime &t) const;

    int m_sunrise = 6 * 3600;
    int m_sunset = 20 * 3600;
};
