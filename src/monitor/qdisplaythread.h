#pragma once

#include "monitor/planttotals.h"

#include <QThread>
#include <atomic>

// Computes the plant totals about once a second from the orva_inverter rows of
// the online inverters and sends them to the window. Ends by itself when the
// polling thread enters its wait mode.
class QDisplayThread : public QThread
{
    Q_OBJECT

public:
    explicit QDisplayThread(QObject *parent = nullptr);

    // The stop flag is the thread's interruption request, which start() clears
    // before the thread runs: a stop right after start() is never lost.
    void setStop() { requestInterruption(); }

    // One pass of the computation (no signals): the totals, the CO2 text and the
    // earning text, and the number of online rows.
    struct Pass
    {
        PlantTotals totals;
        int alive = 0;
        QString co2Text;
        QString earningText;
    };
    Pass compute() const;

public slots:
    void loadSetting();

signals:
    void display_value(PlantTotals totals);
    void display_earning(QString earning);
    void dispaly_co2Reduction(QString co2);
    void inverter_alive(int alive);

protected:
    void run() override;

private:
    bool pollingWaits() const;

    std::atomic<double> m_co2Factor{0};
    std::atomic<double> m_moneyFactor{0};
    std::atomic<int> m_currencyIndex{0};
};
