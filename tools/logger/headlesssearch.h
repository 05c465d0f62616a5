#pragma once

#include "monitor/qburnsearch.h"

#include <QCoreApplication>
#include <memory>

class QTextStream;
class SettingsReport;

// The search without a window: runs QBurnSearch on the port and baud rate of
// app.ini, prints every inverter found to a stream, and saves the result as
// the search dialog does, unless it found nothing or the line failed during
// it: the saved list is kept then. Needs a QCoreApplication; run() blocks the
// calling thread until the search has ended.
class HeadlessSearch
{
    Q_DECLARE_TR_FUNCTIONS(HeadlessSearch)

public:
    // resolveCollisions: the answer to "Auto change the duplicate Inverter ID?".
    HeadlessSearch(bool resolveCollisions, QTextStream &out);

    // A LoggerExit code.
    int run(SettingsReport &report);
    // Ends a running search early (from any thread); what was found is saved.
    void stop();

private:
    std::unique_ptr<QBurnSearch> m_search; // made once the port is known
    bool m_resolveCollisions;
    QTextStream &m_out;
};
