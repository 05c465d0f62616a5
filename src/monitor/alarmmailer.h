#pragma once

#include "device/devicerecord.h"
#include "monitor/mailsettings.h"
#include "monitor/qmailthread.h"

#include <QDeadlineTimer>
#include <QString>

class DeviceMap;

// The alarm mail of the monitoring: the copy of the mail settings, the five
// mail threads that carry alarm mails, the alarm check after every polling
// cycle and the composition of the mail.
class AlarmMailer
{
public:
    static constexpr int kThreadCount = 5;

    AlarmMailer();
    ~AlarmMailer(); // stops the threads

    // Reads the stored settings and recipients (at start).
    void loadSettings();
    // The mail settings were applied: take the five fields, read the stored
    // recipients and encryption again and let alarm mails be tried again.
    void changeSettings(const QString &account, const QString &password, const QString &port, const QString &server,
                        const QString &sender);
    const MailSettings &settings() const { return m_settings; }

    // Whether an alarm mail may go now: the settings are complete and fewer than
    // three mails failed. The first time the settings are found complete the
    // failure count starts again from 0.
    bool mailAllowed();

    // Starts one alarm mail on the first idle thread. False when nothing was
    // started: incomplete settings, the failure limit reached (logged), all
    // threads busy.
    bool send(const QString &subject, const QString &body);

    // After every polling cycle: for each device, the alarmed bits of its region
    // (app.ini) that are set in its error words; when they differ from what was
    // last reported, they are stored and mailed. deliver is false while the
    // window is hidden or the polling thread is not running: then nothing goes.
    void checkAlarms(DeviceMap &devices, bool deliver);
    // Mails the descriptions of the alarmed bits of one device. False when
    // nothing was sent (no lines, not delivering, mail not possible).
    bool sendAlarmMail(const DeviceRecord &device, const AlarmedErrors &alarmed, bool deliver);

    static QString alarmSubject(const DeviceRecord &device);
    // The HTML body; empty when no alarmed bit has a description.
    static QString alarmBody(const DeviceRecord &device, const AlarmedErrors &alarmed);

    // Waits for the running mails; false when the deadline came first.
    bool waitForMails(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // Asks every running mail to end at its next wait and waits for it.
    void stopAll();

private:
    MailSettings m_settings;
    bool m_completeSeen = false;
    QMailThread m_threads[kThreadCount];
};
