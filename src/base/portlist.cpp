#include "base/portlist.h"

#include "base/appdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kDevRoot = QStringLiteral("/dev");
const QString kSysRoot = QStringLiteral("/sys");

QString portsDir()
{
    return AppDir::file(QStringLiteral("ports"));
}

// ttyS0, ttyUSB3, ... for port n, without the ports/ override.
QString kernelName(int port)
{
    static const char *const kFamilies[] = {"ttyS", "ttyUSB", "ttyACM"};
    if (port < 1 || port > PortList::kMaxPort)
        return QString();
    return QString::fromLatin1(kFamilies[(port - 1) / 32]) + QString::number((port - 1) % 32);
}

bool uartPresent(const QString &sysRoot, const QString &name)
{
    QFile type(sysRoot + QStringLiteral("/class/tty/") + name + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly))
        return false;
    bool ok = false;
    const int uartType = type.readAll().trimmed().toInt(&ok);
    return ok && uartType != 0;
}

} // namespace

QStringList PortList::enumerate()
{
    return enumerate(portsDir(), kDevRoot, kSysRoot);
}

QStringList PortList::enumerate(const QString &portsDir, const QString &devRoot, const QString &sysRoot)
{
    QList<int> ports;
    const QStringList links = QDir(portsDir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &link : links) {
        const int port = portNumber(link);
        if (port > 0 && QFileInfo::exists(portsDir + QLatin1Char('/') + link)) // follows the link
            ports << port;
    }
    for (int port = 1; port <= kMaxPort; ++port) {
        const QFileInfo link(portsDir + QLatin1Char('/') + portName(port));
        if (link.exists() || link.isSymLink())
            continue; // the ports/ entry decides, also when it leads nowhere
        const QString name = kernelName(port);
        if (QFileInfo::exists(devRoot + QLatin1Char('/') + name) &&
            (!name.startsWith(QLatin1String("ttyS")) || uartPresent(sysRoot, name)))
            ports << port;
    }
    std::sort(ports.begin(), ports.end());
    QStringList names;
    for (int port : ports)
        names << portName(port);
    return names;
}

QString PortList::devicePath(int port)
{
    return devicePath(port, portsDir(), kDevRoot);
}

QString PortList::devicePath(int port, const QString &portsDir, const QString &devRoot)
{
    const QString link = portsDir + QLatin1Char('/') + portName(port);
    if (QFileInfo(link).isSymLink() || QFileInfo::exists(link))
        return link;
    const QString name = kernelName(port);
    return name.isEmpty() ? QString() : devRoot + QLatin1Char('/') + name;
}

QString PortList::stableName(int port)
{
    return stableName(port, portsDir(), kDevRoot);
}

QString PortList::stableName(int port, const QString &portsDir, const QString &devRoot)
{
    const QString byId = devRoot + QStringLiteral("/serial/by-id");
    const QString device = QFileInfo(devicePath(port, portsDir, devRoot)).canonicalFilePath();
    if (device.isEmpty())
        return QString();
    const QFileInfoList entries = QDir(byId).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.canonicalFilePath() == device)
            return entry.fileName();
    }
    return QString();
}

int PortList::portNumber(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^COM([1-9][0-9]*)$"));
    const QRegularExpressionMatch match = pattern.match(name.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString PortList::portName(int port)
{
    return QStringLiteral("COM%1").arg(port);
}
