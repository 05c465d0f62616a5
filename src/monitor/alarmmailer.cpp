#include "monitor/alarmmailer.h"

#include "base/appsettings.h"
#include "base/programinfo.h"
#include "device/devicemap.h"
#include "device/errorbitinfo.h"
#include "device/tripvalues.h"
#include "monitor/alarmselection.h"
#include "monitor/programstate.h"

AlarmMailer::AlarmMailer() = default;

AlarmMailer::~AlarmMailer()
{
    stopAll();
}

void AlarmMailer::loadSettings()
{
    m_settings = MailSettings::load();
}

void AlarmMailer::changeSettings(const QString &account, const QString &password, const QString &port,
                                 const QString &server, const QString &sender)
{
    m_settings.account = account;
    m_settings.password = password;
    m_settings.port = port;
    m_settings.server = server;
    m_settings.sender = sender;
    const MailSettings stored = MailSettings::load();
    m_settings.recipients = stored.recipients;
    m_settings.encryption = stored.encryption;
    m_settings.caFile = stored.caFile;
    ProgramState::instance().resetAlarmMailCounter();
}

bool AlarmMailer::mailAllowed()
{
    if (!m_settings.canSendAlarms())
        return false;
    if (!m_completeSeen) {
        m_completeSeen = true;
        ProgramState::instance().resetAlarmMailCounter();
    }
    return ProgramState::instance().alarmMailBelowLimit();
}

bool AlarmMailer::send(const QString &subject, const QString &body)
{
    if (!m_settings.canSendAlarms())
        return false;
    if (!ProgramState::instance().alarmMailBelowLimit()) {
        QMailThread::logCounterRefusal();
        return false;
    }
    for (QMailThread &thread : m_threads) {
        if (thread.isRunning())
            continue;
        m_settings.prepare(thread);
        thread.setRecipients(m_settings.recipients);
        thread.setSubject(subject);
        thread.setBody(body);
        thread.setMode(QMailThread::SendMail);
        thread.start();
        return true;
    }
    return false;
}

void AlarmMailer::checkAlarms(DeviceMap &devices, bool deliver)
{
    mailAllowed(); // counting starts afresh when complete settings are first seen
    const AppSettings settings;
    const QMap<int, DeviceRecord> records = devices.snapshot();
    for (const DeviceRecord &device : records) {
        const int region = AlarmSelection::regionOf(device.family(), device.hasListedModelName());
        const quint16 words[] = {device.err1, device.err2, device.err3, device.err4};
        AlarmedErrors alarmed;
        for (int word = 1; word <= AlarmSelection::kWordCount; ++word) {
            const QList<int> chosen = AlarmSelection::bits(settings, region, word - 1);
            if (chosen.isEmpty())
                continue;
            QList<int> set;
            for (int bit : chosen)
                if (words[word - 1] & (1u << bit))
                    set << bit;
            alarmed.insert(word, set);
        }
        if (alarmed.isEmpty() || alarmed == device.alarmedErrors)
            continue;
        devices.storeAlarmedErrors(device.addr, device.alarmedErrors, alarmed);
        // Refused, with a log line, once the failure limit is reached.
        if (m_settings.canSendAlarms())
            sendAlarmMail(device, alarmed, deliver);
    }
}

bool AlarmMailer::sendAlarmMail(const DeviceRecord &device, const AlarmedErrors &alarmed, bool deliver)
{
    if (!deliver)
        return false;
    const QString body = alarmBody(device, alarmed);
    return !body.isEmpty() && send(alarmSubject(device), body);
}

QString AlarmMailer::alarmSubject(const DeviceRecord &device)
{
    return QStringLiteral("Error Code Event -- %1 %2").arg(QLatin1String(ProgramInfo::kName), device.sn_name);
}

QString AlarmMailer::alarmBody(const DeviceRecord &device, const AlarmedErrors &alarmed)
{
    QString lines;
    for (auto it = alarmed.cbegin(); it != alarmed.cend(); ++it) {
        for (int bit : it.value()) {
            const ErrorBitInfo *info = device.errorBitInfo(it.key(), bit);
            if (!info)
                continue;
            const QString trip = tripValueText(it.key(), bit, device);
            lines += info->description + (trip.isEmpty() ? QString() : QStringLiteral(" : ") + trip) +
                     QStringLiteral("<br>");
        }
    }
    if (lines.isEmpty())
        return QString();
    // The serial text comes from the line: shown as text, never as markup.
    const QString serial = device.sn_name.toHtmlEscaped();
    return QStringLiteral("----------Information of this Inverter----------<br>") + serial + QStringLiteral("<br>") +
           QStringLiteral("DSP1 version(cur): ") + device.currentVersionText() + QStringLiteral("<br>") +
           QStringLiteral("DSP2 version(seq): ") + device.sequenceVersionText() + QStringLiteral("<br><br>") +
           QStringLiteral("----------Error Code description----------<br>") + lines + device.monitorTooltip() +
           QStringLiteral("<br>");
}

bool AlarmMailer::waitForMails(QDeadlineTimer deadline)
{
    for (QMailThread &thread : m_threads) {
        if (!thread.wait(deadline))
            return false;
    }
    return true;
}

void AlarmMailer::stopAll()
{
    for (QMailThread &thread : m_threads)
        thread.requestInterruption();
    waitForMails();
}
