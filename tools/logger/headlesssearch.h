#pragma once

#include "monitor/qburnsearch.h"

#include <QCoreApplication>

class QTextStream;

// The search without a window: runs QBurnSearch on the port and baud rate of
// app.ini, prints every inverter found to a stream, and saves the result as
// the search dialog does. Needs a QCoreApplication; run() blocks the calling
// thread until the search has ended.
class HeadlessSearch
{
    Q_DECLARE_TR_FUNCTIONS(HeadlessSearch)

public:
    enum ExitCode {
        Success = 0,         // searched and saved (also when nothing was found)
        NoPortSet = 1,       // COMPortFrm_com_name names no port; nothing saved
        PortUnavailable = 2, // the port did not open; nothing saved
        NotSaved = 3,        // app.ini could not be written
    };

    // resolveCollisions: the answer to "Auto change the duplicate Inverter ID?".
    HeadlessSearch(bool resolveCollisions, QTextStream &out);

    int run();
    // Ends a running search early (from any thread); what was found is saved.
    void stop() { m_search.stop(); }

private:
    QBurnSearch m_search;
    QTextStream &m_out;
};
