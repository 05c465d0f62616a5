#include "history/dailydebugfiles.h"

#include "base/appdir.h"
#include "base/clock.h"
#include "base/log.h"
#include "db/readconnection.h"
#include "device/devicefamily.h"
#include "device/monitortables.h"
#include "history/csvfile.h"

#include <QDir>

namespace {

constexpr int kFirstRegister = 186;
constexpr int kLastRegisterUSA1 = 215;
constexpr int kLastRegister = 274;

QString errorWordText(qint64 word)
{
    return QString::number(word, 16) + QStringLiteral("h,");
}

// Every part of a list joined by ",", each followed by "," (an empty list is one empty part).
QString partsText(const QString &list)
{
    QString text;
    for (const QStringRef &part : list.splitRef(QLatin1Char(',')))
        text += part + QLatin1Char(',');
    return text;
}

} // namespace

void DailyDebugFiles::saveIfDue(bool closing)
{
    const QTime time = Clock::instance().now().time();
    if (!closing && !(time.hour() == 23 && time.minute() == 59))
        return;
    for (const DbRow &row : ReadConnection::query(QStringLiteral("select * from orva_inverter")))
        saveLogFile(headerLine(row.value(QStringLiteral("versionw3")).toInt()), row.value(QStringLiteral("sn_name")),
                    row.value(QStringLiteral("id")).toLongLong());
}

QString DailyDebugFiles::headerLine(int versionw3)
{
    const bool usa1 = isUSA1Family(versionw3);
    const MonitorTable &table = usa1 ? MonitorRegistersUSA1() : MonitorRegistersEUR();
    QStringList names;
    for (int registerNo = kFirstRegister; registerNo <= (usa1 ? kLastRegisterUSA1 : kLastRegister); ++registerNo) {
        const MonitorData *entry = monitorEntry(table, registerNo);
        names << (entry ? entry->name : QStringLiteral("N/A"));
    }
    return QStringLiteral("state_code,error1,error2,error3,error4,") + names.join(QLatin1Char(','));
}

QString DailyDebugFiles::folderName(const QString &serial)
{
    QString name = QString(serial).remove(QStringLiteral("S/N ")).trimmed();
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    // "", "." and ".." would name debug/ itself or its parent.
    if (name.count(QLatin1Char('.')) == name.size())
        name.fill(QLatin1Char('_'), qMax(1, name.size()));
    return name;
}

void DailyDebugFiles::saveLogFile(const QString &header, const QString &serial, qint64 inverterId)
{
    const QDate today = Clock::instance().now().date();
    const QString folder = QStringLiteral("%1/debug/%2/%3/%4/")
                               .arg(AppDir::path(), folderName(serial))
                               .arg(today.year())
                               .arg(today.month());
    if (!QDir().mkpath(folder))
        write_log(QStringLiteral("saveLogFile:fail to create folder"));
    CsvFile file(folder + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".csv"));
    if (!file.open())
        return;
    file.writeLine(header);
    const QString day = today.toString(QStringLiteral("yyyy-MM-dd"));
    ReadCursor cursor(QStringLiteral("select state_code, err1, err2, err3, err4, monitor_data, sensor_value from "
                                     "orva_monitor_log where inverter_id = ? AND log_time between ? and ? limit %1")
                          .arg(kRowLimit),
                      {inverterId, day + QStringLiteral(" 00:00:00"), day + QStringLiteral(" 23:59:59")});
    while (cursor.next()) {
        QString line = cursor.text(0) + QLatin1Char(',');
        for (int word = 1; word <= 4; ++word)
            line += errorWordText(cursor.integer(word));
        line += partsText(cursor.text(5)) + partsText(cursor.text(6));
        file.writeLine(line);
    }
    file.close();
}
