#include "monitor/qdisplaythread.h"

#include "base/appsettings.h"
#include "base/currencysymbols.h"
#include "db/database.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"

namespace {

double numberOrZero(const DbRow &row, const QString &column)
{
    bool ok = false;
    const double value = row.value(column).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

QDisplayThread::QDisplayThread(QObject *parent)
    : QThread(parent)
{
    qRegisterMetaType<PlantTotals>();
}

void QDisplayThread::loadSetting()
{
    AppSettings settings;
    m_co2Factor.store(settings.doubleValue(Setting::sbCo2, 0.0));
    m_moneyFactor.store(settings.doubleValue(Setting::sbMoney, 0.0));
    // An index outside the list (hand-edited, even beyond an int's range) shows no symbol.
    const double currency = settings.doubleValue(Setting::co2symbol, 0.0);
    m_currencyIndex.store(currency >= 0 && currency < currencySymbols().size() ? int(currency) : -1);
}

bool QDisplayThread::pollingWaits() const
{
    const QPollingThread *polling = ProgramState::instance().pollingThread();
    return polling && polling->isRunning() && polling->isWaiting();
}

QDisplayThread::Pass QDisplayThread::compute() const
{
    Pass pass;
    PlantTotals &t = pass.totals;
    const DbRows rows = db_query(QStringLiteral("SELECT * FROM orva_inverter where online = 1"));
    pass.alive = rows.size();
    for (const DbRow &row : rows) {
        bool valid = false;
        row.value(QStringLiteral("versionw3")).toInt(&valid, 10);
        if (!valid)
            continue;
        t.totalPower += numberOrZero(row, QStringLiteral("total_power"));
        t.dcPower += numberOrZero(row, QStringLiteral("dc_power"));
        t.acPower += numberOrZero(row, QStringLiteral("ac_power"));
        t.outputTime += numberOrZero(row, QStringLiteral("output_time"));
    }
    // The plant's efficiency, not the sum of the rows' own.
    t.efficiency = (t.dcPower != 0 && t.acPower != 0) ? t.acPower / t.dcPower * 100.0 : 0.0;

    const double co2 = t.totalPower * m_co2Factor.load();
    const double earning = t.totalPower * m_moneyFactor.load();
    const int currency = m_currencyIndex.load();
    const QString symbol =
        (currency >= 0 && currency < currencySymbols().size()) ? currencySymbols().at(currency) : QString();
    pass.earningText = QString::asprintf("%#.2f", earning) + QLatin1Char(' ') + symbol;
    pass.co2Text = QString::asprintf("%#.2f", co2);
    return pass;
}

void QDisplayThread::run()
{
    loadSetting();
    while (!isInterruptionRequested()) {
        if (pollingWaits()) {
            msleep(100);
            return;
        }
        const Pass pass = compute();
        if (isInterruptionRequested())
            return;
        emit inverter_alive(pass.alive);
        emit display_value(pass.totals);
        emit dispaly_co2Reduction(pass.co2Text);
        emit display_earning(pass.earningText);
        for (int i = 0; i < 10; ++i) {
            msleep(100);
            if (pollingWaits() || isInterruptionRequested())
                return;
        }
    }
}
