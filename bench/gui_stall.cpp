// The GUI thread's longest stall while the main window monitors the simulated
// 32-inverter plant at 38400 baud: a 10 ms timer in the GUI thread records how
// late each of its ticks comes, while the window handles every polling cycle
// and repaints itself after each. The communication test and the modal start
// (the first cycle) come before the measurement. See README.md.
//   bench_gui_stall [--seconds N]   (default 30; 300 for the five-minute figure)
#include "base/appsettings.h"
#include "benchplant.h"
#include "monitor/monitoringsession.h"
#include "ui/cmain.h"
#include "ui/monitorcontrol.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTickMs = 10;
const char *const kScenario = LUMORA_SOURCE_DIR "/tools/sim/scenarios/plant-32.json";

// Lateness of every tick of a repeating timer, in ms.
class StallMeter : public QObject
{
public:
    void start()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const double now = double(m_clock.nsecsElapsed()) / 1e6;
            const double late = now - m_last - kTickMs;
            m_late.push_back(std::max(0.0, late));
            if (late > m_worst) {
                m_worst = late;
                m_worstAt = now;
            }
            m_last = now;
        });
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }

    void report(int cycles) const
    {
        std::vector<double> late = m_late;
        std::sort(late.begin(), late.end());
        const auto quantile = [&late](double q) {
            return late.empty() ? 0.0 : late[size_t(q * double(late.size() - 1))];
        };
        const auto atLeast = [&late](double ms) {
            return long(late.end() - std::lower_bound(late.begin(), late.end(), ms));
        };
        std::printf("%.0f s measured, %d polling cycles, %zu ticks of %d ms\n", double(m_clock.elapsed()) / 1000.0,
                    cycles, late.size(), kTickMs);
        std::printf("lateness ms: median %.2f, p90 %.2f, p99 %.2f, p99.9 %.2f, max %.2f (at %.1f s)\n", quantile(0.5),
                    quantile(0.9), quantile(0.99), quantile(0.999), m_worst, m_worstAt / 1000.0);
        std::printf("ticks late by >= 5 ms: %ld, >= 16 ms: %ld, >= 33 ms: %ld, >= 50 ms: %ld, >= 100 ms: %ld\n",
                    atLeast(5), atLeast(16), atLeast(33), atLeast(50), atLeast(100));
        std::printf("longest stall %.1f ms: %s the 50 ms goal\n", m_worst, m_worst < 50 ? "below" : "ABOVE");
        std::fflush(stdout);
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_worst = 0;
    double m_worstAt = 0;
    std::vector<double> m_late;
};

// The plant's line, its 32 addresses and English, as the window finds them at its start.
void writeSettings()
{
    QStringList addresses;
    for (int address = 1; address <= 32; ++address)
        addresses << QString::number(address);
    QSettings ini(AppSettings::filePath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("LANG"), 0);
    ini.setValue(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM%1").arg(BenchAppDir::kPort));
    ini.setValue(QStringLiteral("COMPortFrm_baud_index"), 5);
    ini.setValue(QStringLiteral("INV_ADDR"), addresses.join(QLatin1Char(',')));
    ini.setValue(QStringLiteral("sbSaveInterval"), 1);
    ini.setValue(QStringLiteral("rbAuto"), 1);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Measure for N seconds."),
                                           QStringLiteral("N"), QStringLiteral("30"));
    parser.addOption(secondsOption);
    parser.process(app);
    const int seconds = std::max(1, parser.value(secondsOption).toInt());

    BenchPlant plant;
    QString error;
    if (!plant.start(QString::fromLatin1(kScenario), true, false, &error)) {
        std::fprintf(stderr, "bench_gui_stall: cannot set up the plant: %s\n", qPrintable(error));
        return 1;
    }
    writeSettings();

    int cycles = 0;
    {
        MonitoringSession session;
        CMain window(nullptr, &session);
        window.resize(1280, 800);
        window.show();
        // The window repaints itself after every cycle, besides what its pages refresh.
        QObject::connect(&session, &MonitoringSession::cycleFinished, &window, [&window, &cycles] {
            ++cycles;
            window.repaint();
        });
        QElapsedTimer started;
        started.start();
        window.start_monitor();
        if (window.monitorControl().state() != MonitorControl::State::Monitoring) {
            std::fprintf(stderr, "bench_gui_stall: monitoring did not start\n");
            return 1;
        }
        std::printf("32 inverters at 38400 baud; communication test and first cycle took %.1f s\n",
                    double(started.elapsed()) / 1000.0);
        cycles = 0;
        StallMeter meter;
        meter.start();
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
        meter.stop();
        meter.report(cycles);
        window.monitorControl().shutDown();
    }
    return 0;
}
