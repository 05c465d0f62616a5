#include "monitor/portrefusal.h"

#include "base/portlist.h"
#include "link/cserial.h"

#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace {

QString userName()
{
    if (const struct passwd *entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::fromLocal8Bit(qgetenv("USER"));
}

} // namespace

QString PortRefusal::text(const CSerial &line, int port, const QString &otherwise)
{
    return line.openDenied() ? permissionText(port) : otherwise;
}

QString PortRefusal::permissionText(int port)
{
    const QString device = QFileInfo(PortList::devicePath(port)).canonicalFilePath();
    return tr("COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group "
              "(sudo adduser %3 dialout), then log out and in again.")
        .arg(port)
        .arg(device.isEmpty() ? PortList::devicePath(port) : device, userName());
}
