#include "monitor/alarmselection.h"

#include "base/appsettings.h"
#include "base/settingskeys.h"

#include <QStringList>

namespace AlarmSelection {

namespace {
bool valid(int region, int word)
{
    return hasErrorTable(region) && word >= 0 && word < kWordCount;
}
} // namespace

bool hasErrorTable(int region)
{
    return region >= 0 && region < 3;
}

int regionOf(DeviceFamily family, bool hasListedModelName)
{
    if (family == DeviceFamily::EUR)
        return familyIndex(DeviceFamily::EUR);
    return familyIndex(hasListedModelName ? DeviceFamily::USA1 : DeviceFamily::USA0);
}

QList<int> bits(const AppSettings &settings, int region, int word)
{
    return valid(region, word) ? parseBits(settings.text(Setting::alarmErrors(region, word))) : QList<int>();
}

void setBits(AppSettings &settings, int region, int word, const QList<int> &bits)
{
    if (valid(region, word))
        settings.setValue(Setting::alarmErrors(region, word), joinBits(bits));
}

QList<int> parseBits(const QString &text)
{
    QList<int> bits;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int bit = part.trimmed().toInt(&ok);
        if (ok && bit >= 0 && bit < kBitCount)
            bits.append(bit);
    }
    return bits;
}

QString joinBits(const QList<int> &bits)
{
    QStringList parts;
    for (int bit : bits)
        parts.append(QString::number(bit));
    return parts.join(QLatin1Char(','));
}

} // namespace AlarmSelection
