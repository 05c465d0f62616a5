#include "setuprig.h"

#include "base/appsettings.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QtTest>

void linkOnlyPorts(const TempAppDir &dir, const QList<int> &ports)
{
    QDir(dir.path()).mkpath(QStringLiteral("ports"));
    for (int port = 1; port <= 96; ++port) {
        const QString link = dir.file(QStringLiteral("ports/COM%1").arg(port));
        QFile::remove(link);
        QFile::link(ports.contains(port) ? QStringLiteral("/dev/null") : dir.file(QStringLiteral("none")), link);
    }
}

void writeSetting(const QString &key, const QVariant &value)
{
    QSettings(AppSettings::filePath(), QSettings::IniFormat).setValue(key, value);
}

QVariant readSetting(const QString &key)
{
    return QSettings(AppSettings::filePath(), QSettings::IniFormat).value(key);
}

bool SimulatedLine::start(const QJsonObject &scenario)
{
    QString error;
    dir.openDatabase();
    const bool started = sim.link(dir.file(QStringLiteral("ports/COM%1").arg(kPort))) && sim.start(scenario, &error);
    if (!started)
        qWarning() << "simulator:" << error;
    return started;
}

bool SimulatedLine::startFile(const QString &scenarioName)
{
    QFile file(QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/") + scenarioName);
    return file.open(QIODevice::ReadOnly) && start(QJsonDocument::fromJson(file.readAll()).object());
}

void clickButton(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}
