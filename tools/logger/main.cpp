// lumora-logger: monitoring and recording without a window, for plants without a screen.

#include "app/startup.h"
#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/consoleprompter.h"
#include "base/portlist.h"
#include "db/historyfill.h"
#include "headlesslogger.h"
#include "headlesssearch.h"
#include "loggerexit.h"
#include "monitor/programstate.h"
#include "publish/mqttpublisher.h"
#include "settingsreport.h"
#include "terminationsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

namespace {

void refuse(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora-logger"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Monitors the inverters of app.ini's address list (INV_ADDR) on its COM port and records their "
            "readings, without a window. Stop it with Ctrl+C or SIGTERM. With --search it searches the line for "
            "inverters instead and saves them as the address list.\n\n"
            "Its files (app.ini, lumora.db, log.txt, ports/) are in the application directory: $LUMORA_HOME when "
            "set, else the program's folder when it holds cln/lumora.db, else ~/.local/share/lumora, made from "
            "the installed files at the first start. Here: %1")
            .arg(AppDir::path()));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption cycles(QStringLiteral("cycles"), QStringLiteral("Stop after <n> polling cycles."),
                                    QStringLiteral("n"));
    parser.addOption(cycles);
    const QCommandLineOption search(QStringLiteral("search"),
                                    QStringLiteral("Search the line for inverters, print each one found and save them "
                                                   "as the address list (INV_ADDR)."));
    const QCommandLineOption resolve(QStringLiteral("resolve-collisions"),
                                     QStringLiteral("With --search: give inverters that share a bus address new, "
                                                    "free addresses."));
    parser.addOption(search);
    parser.addOption(resolve);
    if (!parser.parse(app.arguments())) {
        refuse(parser.errorText());
        return LoggerExit::BadCommandLine;
    }
    if (parser.isSet(help))
        parser.showHelp(LoggerExit::Success);
    bool cyclesOk = !parser.isSet(cycles);
    const int maxCycles = cyclesOk ? 0 : parser.value(cycles).toInt(&cyclesOk);
    if (!cyclesOk || maxCycles < 0) {
        refuse(QStringLiteral("--cycles \"%1\" is not a number of cycles.").arg(parser.value(cycles)));
        return LoggerExit::BadCommandLine;
    }

    const QString appDirProblem = AppDir::prepare();
    if (!appDirProblem.isEmpty())
        refuse(appDirProblem);

    QTextStream out(stdout);
    ProgramState &state = ProgramState::instance();
    ConsolePrompter prompter;
    state.setPrompter(&prompter);
    QSettings settingsFile(AppSettings::filePath(), QSettings::IniFormat);
    state.setSettings(&settingsFile);
    AppSettings settings(settingsFile);
    SettingsReport report(out);
    report.checkLog();

    Startup::logVersion();
    if (parser.isSet(search)) {
        HeadlessSearch headless(parser.isSet(resolve), out);
        TerminationSignals terminations;
        QObject::connect(&terminations, &TerminationSignals::received, [&headless] { headless.stop(); });
        const int result = headless.run(report);
        state.setSettings(nullptr);
        state.setPrompter(nullptr);
        return result;
    }
    if (!Startup::checkDatabase(prompter))
        return LoggerExit::FileNotUsable;
    Startup::buildStaticTables();

    const QString portName = settings.text(Setting::COMPortFrm_com_name);
    const int port = PortList::portNumber(portName);
    if (port == 0) {
        out << "No serial port is set: COMPortFrm_com_name in " << AppSettings::filePath() << " is \"" << portName
            << "\"." << Qt::endl;
        return LoggerExit::NoPortSet;
    }
    state.setLineSettings(port, report.baudRate(settings));
    report.fillAddresses(settings, state.addressTable());
    report.checkMail(settings);

    // A database of an earlier installation gets its history summary beside the monitoring.
    HistoryFill historyFill;
    QObject::connect(&historyFill, &HistoryFill::ended, &app, [&out](bool made, qint64 ms) {
        if (made)
            out << "History summary ready after " << QString::number(double(ms) / 1000.0, 'f', 1) << " s." << Qt::endl;
        else
            out << "History summary not finished (see log.txt); it goes on at the next start." << Qt::endl;
    });
    if (historyFill.startIfNeeded())
        out << "History summary: counting the readings recorded before it existed, in the background." << Qt::endl;

    HeadlessLogger logger(out, maxCycles);
    // Every cycle to the MQTT broker too, when app.ini sets one up.
    MqttPublisher publisher(state.sensors());
    QObject::connect(&publisher, &MqttPublisher::connected,
                     [&out](const QString &address) { out << "MQTT: publishing to " << address << Qt::endl; });
    QObject::connect(&publisher, &MqttPublisher::problem,
                     [&out](const QString &message) { out << "MQTT: " << message << Qt::endl; });
    QObject::connect(&logger.session(), &MonitoringSession::cycleFinished, &publisher, &MqttPublisher::publishCycle);
    publisher.configure(MqttSettings::load(settings));
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &logger, &HeadlessLogger::stop);
    QObject::connect(&terminations, &TerminationSignals::summaryRequested, &logger, &HeadlessLogger::printLineHealth);
    QObject::connect(&logger, &HeadlessLogger::finished, &app, &QCoreApplication::quit);
    if (!logger.start())
        return state.addressTable().isEmpty() ? LoggerExit::NoPortSet : LoggerExit::PortUnavailable;
    const int result = app.exec();
    if (historyFill.isRunning()) {
        historyFill.stop();
        historyFill.wait();
        out << "History summary stopped; it goes on at the next start." << Qt::endl;
    }
    state.setSettings(nullptr);
    state.setPrompter(nullptr);
    return result;
}
