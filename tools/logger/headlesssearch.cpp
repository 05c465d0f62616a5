#include "headlesssearch.h"

#include "base/appsettings.h"
#include "base/portlist.h"
#include "loggerexit.h"
#include "monitor/portrefusal.h"
#include "monitor/programstate.h"
#include "monitor/searchresult.h"
#include "settingsreport.h"

#include <QEventLoop>
#include <QTextStream>

HeadlessSearch::HeadlessSearch(bool resolveCollisions, QTextStream &out)
    : m_resolveCollisions(resolveCollisions)
    , m_out(out)
{}

void HeadlessSearch::stop()
{
    if (m_search)
        m_search->stop();
}

int HeadlessSearch::run(SettingsReport &report)
{
    const AppSettings settings;
    const QString portName = settings.text(Setting::COMPortFrm_com_name);
    const int port = PortList::portNumber(portName);
    if (port == 0) {
        m_out << tr("No COM port is set (%1 in app.ini).").arg(Setting::COMPortFrm_com_name.key()) << Qt::endl;
        return LoggerExit::NoPortSet;
    }
    const int baud = report.baudRate(settings);
    m_search = std::make_unique<QBurnSearch>(port, QBurnSearch::kReadTimeoutConstant, baud);
    m_search->setResolveCollisions(m_resolveCollisions);

    m_out << tr("Searching %1 at %2 baud...").arg(portName).arg(baud) << Qt::endl;
    QEventLoop loop;
    QObject::connect(m_search.get(), &QBurnSearch::send_finding, &loop, [this](int count, int address, QString serial) {
        m_out << tr("%1. address %2, serial number %3").arg(count).arg(address).arg(serial) << Qt::endl;
    });
    QObject::connect(m_search.get(), &QBurnSearch::search_end, &loop, &QEventLoop::quit);
    m_search->start();
    loop.exec();
    m_search->wait();

    if (!m_search->portOpened()) {
        m_out << PortRefusal::text(ProgramState::instance().sharedPort(), port,
                                   tr("COM%1 is not available!").arg(port))
              << Qt::endl;
        return LoggerExit::PortUnavailable;
    }
    // A line that hung up or failed is not a silent one: the saved list stays.
    const QString saved = settings.text(Setting::INV_ADDR);
    if (m_search->lineFailed()) {
        m_out << tr("%1 failed during the search (hang-up or I/O error): INV_ADDR \"%2\" kept.").arg(portName, saved)
              << Qt::endl;
        return LoggerExit::ListKept;
    }
    const QList<int> found = m_search->found();
    m_out << tr("%1 inverters found.").arg(found.size()) << Qt::endl;
    if (found.isEmpty()) {
        m_out << tr("Nothing answered: INV_ADDR \"%1\" kept.").arg(saved) << Qt::endl;
        return LoggerExit::ListKept;
    }
    if (!save_search_result(found)) {
        m_out << tr("The result could not be saved to app.ini.") << Qt::endl;
        return LoggerExit::FileNotUsable;
    }
    return LoggerExit::Success;
}
