// The screenshot tour of the window program:
//   lumora-tour [--tour <name>] <directory>
// Starts the window program as lumora does, walks through the window once
// monitoring has run a few cycles, saves a PNG at each stop of the tour
// (default "tabs") into the directory, prints their paths and exits.

#include "screenshottour.h"
#include "ui/cmain.h"
#include "ui/monitorcontrol.h"
#include "ui/windowprogram.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption tourName(
        QStringLiteral("tour"),
        QStringLiteral("The screenshot tour: %1.").arg(ScreenshotTour::tourNames().join(QStringLiteral(", "))),
        QStringLiteral("name"), QStringLiteral("tabs"));
    options.addOption(tourName);
    options.addPositionalArgument(QStringLiteral("directory"), QStringLiteral("Where the screenshots go."));
    options.process(app);
    if (options.positionalArguments().size() != 1)
        options.showHelp(2);

    WindowProgram program;
    ScreenshotTour tour(program.window(), program.session());
    if (!tour.prepare(options.value(tourName), options.positionalArguments().first()))
        return 2;
    QObject::connect(&tour, &ScreenshotTour::finished, &app, [&program](int exitCode) {
        program.window().monitorControl().shutDown();
        QCoreApplication::exit(exitCode);
    });
    program.checkComPort();
    tour.begin();
    return app.exec();
}
