// lumora-sim <scenario.json> [--link <appdir>/ports/COMn] [--time hh:mm] [--verbose]
// Plays the plant of a scenario on a pseudo-terminal until SIGINT or SIGTERM.
#include "linesimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + '\n'), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char **argv)
{
    // Block the stop signals in every thread; the main thread takes them with sigwait.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // A reader of the output that goes away (`| head -1`) must not end the simulator before it cleans up.
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a plant of inverters and Modbus sensors on a pseudo-terminal."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("scenario"), QStringLiteral("The scenario file (JSON)."));
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Link the pseudo-terminal as <path>, e.g. <appdir>/ports/COM7."),
                                        QStringLiteral("path"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Print every request heard and every answer (hex)."));
    const QCommandLineOption timeOption(
        QStringLiteral("time"), QStringLiteral("Start the plant's clock at <hh:mm> today (e.g. 12:00, its midday)."),
        QStringLiteral("hh:mm"));
    parser.addOption(linkOption);
    parser.addOption(timeOption);
    parser.addOption(verboseOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        print(stderr, parser.helpText());
        return 2;
    }
    const QTime startTime = QTime::fromString(parser.value(timeOption), QStringLiteral("h:mm"));
    if (parser.isSet(timeOption) && !startTime.isValid()) {
        print(stderr, QStringLiteral("lumora-sim: --time wants hh:mm, not \"%1\"").arg(parser.value(timeOption)));
        return 2;
    }

    QStringList errors;
    const std::optional<Scenario> scenario = Scenario::load(parser.positionalArguments().first(), &errors);
    if (!scenario) {
        for (const QString &error : qAsConst(errors))
            print(stderr, error);
        return 2;
    }

    LineSimulator simulator;
    if (startTime.isValid()) {
        const QDateTime now = QDateTime::currentDateTime();
        simulator.setTimeOffset(now.secsTo(QDateTime(now.date(), startTime)));
    }
    if (parser.isSet(verboseOption))
        simulator.setTrace([](const QString &line) { print(stdout, line); });
    QString error;
    if (!simulator.start(*scenario, &error)) {
        print(stderr, QStringLiteral("lumora-sim: %1").arg(error));
        return 1;
    }
    print(stdout, simulator.ptyPath());
    if (parser.isSet(linkOption)) {
        const QString path = parser.value(linkOption);
        if (!simulator.link(path)) {
            print(stderr, QStringLiteral("lumora-sim: cannot link %1").arg(path));
            return 1;
        }
        print(stdout, QStringLiteral("linked as %1").arg(path));
    }
    for (const InverterSpec &inverter : scenario->inverters)
        print(stdout, QStringLiteral("inverter %1 at %2: versionw3 %3, model %4, type \"%5\"")
                          .arg(inverter.name)
                          .arg(inverter.address)
                          .arg(inverter.versionw3)
                          .arg(inverter.model)
                          .arg(inverter.type));
    for (const SensorSpec &sensor : scenario->sensors)
        print(stdout, QStringLiteral("sensor slave %1, register %2").arg(sensor.slave).arg(sensor.reg));
    print(stdout, QStringLiteral("stop with Ctrl+C"));

    int signal = 0;
    sigwait(&stopSignals, &signal);
    simulator.stop();
    return 0;
}
