#include "timewindow.h"

#include <cmath>

bool TimeWindow::contains(double elapsed) const
{
    if (elapsed < from)
        return false;
    if (to < 0)
        return true;
    if (every <= 0)
        return elapsed < to;
    return std::fmod(elapsed - from, every) < to - from;
}
