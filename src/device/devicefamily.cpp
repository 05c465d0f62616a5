#include "device/devicefamily.h"

DeviceFamily familyOf(int versionw3)
{
    switch (versionw3) {
    case 303:
    case 400:
        return DeviceFamily::USA1;
    case 3:
    case 203:
        return DeviceFamily::USA0;
    default:
        return DeviceFamily::EUR;
    }
}

bool isUSA1Family(int versionw3)
{
    return familyOf(versionw3) == DeviceFamily::USA1;
}

bool isEURFamily(int versionw3)
{
    return familyOf(versionw3) == DeviceFamily::EUR;
}

QString familyLabel(DeviceFamily family)
{
    switch (family) {
    case DeviceFamily::USA0:
        return QStringLiteral("USA0");
    case DeviceFamily::USA1:
        return QStringLiteral("USA1");
    case DeviceFamily::EUR:
        break;
    }
    return QStringLiteral("EUR");
}

int familyIndex(DeviceFamily family)
{
    return int(family);
}
