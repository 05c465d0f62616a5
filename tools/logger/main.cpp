// lumora-logger: the program without a window, for plants without a screen.

#include "link/headlesssearch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <atomic>
#include <csignal>

namespace {

std::atomic<HeadlessSearch *> runningSearch{nullptr};

void stopOnSignal(int)
{
    if (HeadlessSearch *search = runningSearch.load())
        search->stop();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora-logger"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lumora Data Manager without a window."));
    parser.addHelpOption();
    const QCommandLineOption search(QStringLiteral("search"),
                                    QStringLiteral("Search the line of app.ini for inverters and save them as the "
                                                   "inverter list (INV_ADDR)."));
    const QCommandLineOption resolve(QStringLiteral("resolve-collisions"),
                                     QStringLiteral("With --search: give inverters that share an address new, "
                                                    "free addresses."));
    parser.addOption(search);
    parser.addOption(resolve);
    parser.process(app);

    if (!parser.isSet(search)) {
        QTextStream(stderr) << parser.helpText();
        return 64;
    }

    QTextStream out(stdout);
    HeadlessSearch headless(parser.isSet(resolve), out);
    runningSearch = &headless;
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
    const int result = headless.run();
    runningSearch = nullptr;
    return result;
}
