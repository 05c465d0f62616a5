#pragma once

#include <QList>
#include <functional>

// The test before monitoring starts: every inverter of a list of bus addresses
// is asked for one register (with one retry) on the configured line. What to
// do with the silent ones is the caller's choice.
class CommunicationTest
{
public:
    struct Result
    {
        bool portOpened = false;
        QList<int> silent; // addresses that gave no valid reply, in the order asked
    };

    // progress runs before each inverter (the window keeps its events flowing there).
    static Result run(const QList<int> &addresses, const std::function<void()> &progress = {});
};
