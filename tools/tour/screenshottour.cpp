#include "screenshottour.h"

#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "tourshots.h"
#include "ui/cmain.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

void printLine(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

// The screen where the window is, with its frame and whatever lies over it;
// the window alone where the platform cannot read the screen.
QPixmap grabScreenArea(QWidget &window)
{
    const QRect frame = window.frameGeometry();
    QPixmap shot;
    if (QScreen *screen = window.screen())
        shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.isNull() ? window.grab() : shot;
}

// Rejects the open dialogs; a modal one returns from its exec() once the tour's step is over.
void closeDialogs()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
            dialog->reject();
    }
}

} // namespace

const QList<ScreenshotTour::Tour> &ScreenshotTour::tours()
{
    static const QList<Tour> list = {
        {QStringLiteral("tabs"), 3, TourShots::tabs()},
        {QStringLiteral("realtime"), 3, TourShots::realTime()},
        {QStringLiteral("parameter"), 3, TourShots::parameterChange()},
        {QStringLiteral("dialogs"), 3, TourShots::dialogs()},
        // Enough exchanges for the link qualities to settle.
        {QStringLiteral("linehealth"), 12, TourShots::lineHealth()},
        // From an application directory without a port or inverters: nothing polls before the wizard.
        {QStringLiteral("wizard"), 0, TourShots::wizard(ProgramState::instance())},
    };
    return list;
}

QStringList ScreenshotTour::tourNames()
{
    QStringList names;
    for (const Tour &tour : tours())
        names << tour.name;
    return names;
}

ScreenshotTour::ScreenshotTour(CMain &window, MonitoringSession &session, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_session(session)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        printLine(stderr,
                  QStringLiteral("Screenshots: %1 of %2 polling cycles within %3 s; the shots are taken as it stands.")
                      .arg(m_cycles)
                      .arg(m_tour->cycles)
                      .arg(kCycleTimeoutMs / 1000));
        m_exitCode = 1;
        takeShots();
    });
}

bool ScreenshotTour::prepare(const QString &tourName, const QString &directory)
{
    for (const Tour &tour : tours()) {
        if (tour.name == tourName)
            m_tour = &tour;
    }
    if (!m_tour) {
        printLine(stderr, QStringLiteral("Screenshots: no tour \"%1\"; the tours are: %2")
                              .arg(tourName, tourNames().join(QStringLiteral(", "))));
        return false;
    }
    m_directory = QDir(directory).absolutePath();
    if (!QDir().mkpath(m_directory)) {
        printLine(stderr, QStringLiteral("Screenshots: cannot make the directory %1").arg(m_directory));
        return false;
    }
    return true;
}

void ScreenshotTour::begin()
{
    m_window.showMaximized();
    if (m_tour->cycles <= 0) {
        QTimer::singleShot(kSettleMs, this, &ScreenshotTour::takeShots);
        return;
    }
    connect(&m_session, &MonitoringSession::cycleFinished, this, &ScreenshotTour::cycleSeen);
    m_timeout.start(kCycleTimeoutMs);
}

void ScreenshotTour::cycleSeen()
{
    if (++m_cycles == m_tour->cycles) {
        m_timeout.stop();
        takeShots();
    }
}

void ScreenshotTour::takeShots()
{
    disconnect(&m_session, &MonitoringSession::cycleFinished, this, &ScreenshotTour::cycleSeen);
    m_next = 0;
    takeNext();
}

void ScreenshotTour::takeNext()
{
    if (m_next >= m_tour->shots.size()) {
        emit finished(m_exitCode);
        return;
    }
    m_tour->shots.at(m_next).prepare(m_window);
    waitUntilReady(0);
}

void ScreenshotTour::waitUntilReady(int waitedMs)
{
    const Shot &shot = m_tour->shots.at(m_next);
    if (shot.ready && !shot.ready(m_window)) {
        if (waitedMs < kReadyTimeoutMs) {
            QTimer::singleShot(kReadyPollMs, this, [this, waitedMs] { waitUntilReady(waitedMs + kReadyPollMs); });
            return;
        }
        printLine(stderr, QStringLiteral("Screenshots: %1 did not come within %2 s; the shot is taken as it stands.")
                              .arg(shot.name)
                              .arg(kReadyTimeoutMs / 1000));
        m_exitCode = 1;
    }
    // Layouts, repaints and the window system settle before the grab.
    QTimer::singleShot(kSettleMs, this, &ScreenshotTour::grab);
}

void ScreenshotTour::grab()
{
    const Shot &shot = m_tour->shots.at(m_next);
    if (!save(shot, ++m_next))
        m_exitCode = 1;
    if (!shot.keepDialogs)
        closeDialogs();
    // The next step starts once a closed dialog's exec() has returned.
    QTimer::singleShot(0, this, &ScreenshotTour::takeNext);
}

bool ScreenshotTour::save(const Shot &shot, int number)
{
    const QString path =
        QStringLiteral("%1/%2-%3.png").arg(m_directory).arg(number, 2, 10, QLatin1Char('0')).arg(shot.name);
    if (!grabScreenArea(m_window).save(path, "PNG")) {
        printLine(stderr, QStringLiteral("Screenshots: cannot save %1").arg(path));
        return false;
    }
    printLine(stdout, path);
    return true;
}
