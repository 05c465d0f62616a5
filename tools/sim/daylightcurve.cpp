#include "daylightcurve.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double secondOfDay(const QDateTime &t)
{
    return t.time().msecsSinceStartOfDay() / 1000.0;
}

} // namespace

DaylightCurve::DaylightCurve(int sunrise, int sunset)
    : m_sunrise(sunrise)
    , m_sunset(sunset)
{}

double DaylightCurve::shape(const QDateTime &t) const
{
    const double s = secondOfDay(t);
    if (s <= m_sunrise || s >= m_sunset)
        return 0.0;
    const double x = std::sin(kPi * (s - m_sunrise) / (m_sunset - m_sunrise));
    return x * x;
}

double DaylightCurve::shapeUntil(double s) const
{
    const double length = m_sunset - m_sunrise;
    if (s <= m_sunrise)
        return 0.0;
    if (s >= m_sunset)
        return length / 2.0;
    const double x = s - m_sunrise;
    return x / 2.0 - length / (4.0 * kPi) * std::sin(2.0 * kPi * x / length);
}

double DaylightCurve::daylightUntil(double s) const
{
    if (s <= m_sunrise)
        return 0.0;
    return (s >= m_sunset ? m_sunset : s) - m_sunrise;
}

// Integrals counted from a fixed day in the past, so that differences between
// any two moments come out right across days.
double DaylightCurve::cumulativeShape(const QDateTime &t) const
{
    const double day = double(t.date().toJulianDay());
    return day * shapeUntil(86400.0) + shapeUntil(secondOfDay(t));
}

double DaylightCurve::cumulativeDaylight(const QDateTime &t) const
{
    const double day = double(t.date().toJulianDay());
    return day * daylightUntil(86400.0) + daylightUntil(secondOfDay(t));
}

double DaylightCurve::shapeSeconds(const QDateTime &from, const QDateTime &to) const
{
    return cumulativeShape(to) - cumulativeShape(from);
}

double DaylightCurve::shapeSecondsToday(const QDateTime &t) const
{
    return shapeUntil(secondOfDay(t));
}

double DaylightCurve::daylightSeconds(const QDateTime &from, const QDateTime &to) const
{
    return cumulativeDaylight(to) - cumulativeDaylight(from);
}

double DaylightCurve::daylightSecondsToday(const QDateTime &t) const
{
    return daylightUntil(secondOfDay(t));
}
