#include "ui/views/dashboardfields.h"

#include "base/appsettings.h"

#include <QStringList>

const char *const DashboardFields::kDefaultSequence = "0,7,1,8,2,3,9,10,17,6,13,20,27";

QString DashboardFields::name(int field)
{
    switch (field) {
    case TotalYield:
        return tr("Total Yield");
    case Efficiency:
        return tr("Efficiency");
    case Earning:
        return tr("Earning");
    case Co2Reduction:
        return tr("Co2 Reduction");
    case DcPower:
        return tr("DC Power");
    case AcPower:
        return tr("AC Power");
    case DcAvgPower:
        return tr("DC Avg. Power");
    case AcAvgPower:
        return tr("AC Avg. Power");
    case PowerGeneration:
        return tr("Power Generation");
    case Sensor1:
    case Sensor2:
    case Sensor3:
    case Sensor4:
        return tr("Sensor %1").arg(field - Sensor1 + 1);
    default:
        return {};
    }
}

QString DashboardFields::unit(int field)
{
    switch (field) {
    case TotalYield:
    case PowerGeneration:
        return QStringLiteral("kWh");
    case Efficiency:
        return QStringLiteral("%");
    case Co2Reduction:
        return QStringLiteral("kg");
    case DcPower:
    case AcPower:
    case DcAvgPower:
    case AcAvgPower:
        return QStringLiteral("W");
    default:
        return {};
    }
}

QVector<int> DashboardFields::parseSequence(const QString &text)
{
    QVector<int> cells;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int cell = part.trimmed().toInt(&ok);
        if (ok)
            cells.append(cell);
        if (cells.size() == Count)
            break;
    }
    return cells;
}

QVector<int> DashboardFields::placement(const QString &sequenceText)
{
    const QVector<int> entries = parseSequence(sequenceText);
    QVector<int> cells(Count, kNoCell);
    for (int cell = 0; cell < kRows * kColumns; ++cell) {
        const int field = entries.indexOf(cell);
        if (field >= 0)
            cells[field] = cell;
    }
    return cells;
}

QSet<int> DashboardFields::shownFields(const QString &text)
{
    QSet<int> fields;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int field = part.trimmed().toInt(&ok);
        if (ok)
            fields.insert(field);
    }
    return fields;
}

namespace {
int storedPixel(const SettingKey &key, int defaultPixel)
{
    const int pixel = AppSettings().intValue(key, defaultPixel);
    return pixel > 0 ? pixel : defaultPixel;
}
} // namespace

int DashboardFields::storedTitlePixel()
{
    return storedPixel(Setting::TitlePixel, kDefaultTitlePixel);
}

int DashboardFields::storedMsgPixel()
{
    return storedPixel(Setting::MsgPixel, kDefaultMsgPixel);
}
