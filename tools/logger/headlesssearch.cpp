#include "headlesssearch.h"

#include "base/appsettings.h"
#include "base/baudtable.h"
#include "base/portlist.h"
#include "monitor/searchresult.h"

#include <QEventLoop>
#include <QTextStream>

HeadlessSearch::HeadlessSearch(bool resolveCollisions, QTextStream &out)
    : m_out(out)
{
    m_search.setResolveCollisions(resolveCollisions);
}

int HeadlessSearch::run()
{
    const AppSettings settings;
    const QString portName = settings.text(Setting::COMPortFrm_com_name);
    const int port = PortList::portNumber(portName);
    if (port == 0) {
        m_out << tr("No COM port is set (%1 in app.ini).").arg(Setting::COMPortFrm_com_name.key()) << Qt::endl;
        return NoPortSet;
    }
    const int baud = BaudTable::rate(settings.intValue(Setting::COMPortFrm_baud_index));
    m_search.setPortBaud(port, baud);

    m_out << tr("Searching %1 at %2 baud...").arg(portName).arg(baud) << Qt::endl;
    QEventLoop loop;
    QObject::connect(&m_search, &QBurnSearch::send_finding, &loop, [this](int count, int address, QString serial) {
        m_out << tr("%1. address %2, serial number %3").arg(count).arg(address).arg(serial) << Qt::endl;
    });
    QObject::connect(&m_search, &QBurnSearch::search_end, &loop, &QEventLoop::quit);
    m_search.start();
    loop.exec();
    m_search.wait();

    if (!m_search.portOpened()) {
        m_out << tr("COM%1 is not available!").arg(port) << Qt::endl;
        return PortUnavailable;
    }
    const QList<int> found = m_search.found();
    m_out << tr("%1 inverters found.").arg(found.size()) << Qt::endl;
    if (!save_search_result(found)) {
        m_out << tr("The result could not be saved to app.ini.") << Qt::endl;
        return NotSaved;
    }
    return Success;
}
