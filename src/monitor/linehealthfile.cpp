#include "monitor/linehealthfile.h"

#include "base/appdir.h"
#include "base/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

const char *const kHeader =
    "hour,device,address,serial,exchanges,first_try,retried_ok,timeouts,crc_errors,short_replies,wrong_address,"
    "wrong_function,wrong_length,round_trip_last_ms,round_trip_mean_ms,round_trip_p95_ms,link_quality_percent";

// A field with a comma, a quote or a line break goes in quotes, its quotes doubled.
QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// One decimal; empty for the -1 of "none yet".
QString measure(double value)
{
    return value < 0 ? QString() : QString::number(value, 'f', 1);
}

QString row(const QDateTime &hour, const LinkStats &stats, const QMap<int, QString> &serials)
{
    const bool sensor = stats.device.isSensor();
    const QString serial = sensor ? QString() : serials.value(stats.device.address);
    const LinkCounts &c = stats.counts;
    QStringList fields = {hour.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                          sensor ? QStringLiteral("sensor") : QStringLiteral("inverter"),
                          QString::number(stats.device.address), field(serial)};
    for (qint64 count : {c.exchanges, c.firstTry, c.retriedOk, c.timeouts, c.crcErrors, c.shortReplies, c.wrongAddress,
                         c.wrongFunction, c.wrongLength})
        fields << QString::number(count);
    fields << measure(stats.roundTripLastMs) << measure(stats.roundTripMeanMs) << measure(stats.roundTripP95Ms)
           << measure(stats.linkQuality());
    return fields.join(QLatin1Char(','));
}

QString path(const QDate &day)
{
    return AppDir::file(QStringLiteral("debug/line-health-%1.csv").arg(day.toString(QStringLiteral("yyyyMMdd"))));
}

} // namespace

bool LineHealthFile::appendHour(const QDateTime &hour, const LineHealthReport &report,
                                const QMap<int, QString> &serials)
{
    QFile file(path(hour.date()));
    QDir().mkpath(QFileInfo(file).absolutePath());
    const bool fresh = !file.exists() || file.size() == 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        write_log(QStringLiteral("line health: cannot write %1").arg(file.fileName()));
        return false;
    }
    QByteArray text;
    if (fresh)
        text += QByteArray(kHeader) + '\n';
    for (const LinkStats &stats : report)
        text += row(hour, stats, serials).toUtf8() + '\n';
    const bool written = file.write(text) == text.size() && file.flush();
    if (!written)
        write_log(QStringLiteral("line health: cannot write %1").arg(file.fileName()));
    return written;
}
