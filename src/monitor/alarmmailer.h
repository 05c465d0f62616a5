#pragma once

#include "monitor/mailsettings.h"
#include "monitor/qmailthread.h"

#include <QDeadlineTimer>
#include <QString>

// The main window's alarm-mail sender: its copy of the mail settings and the
// five mail threads that carry alarm mails. The alarm check decides when to
// mail and composes the message; this class knows whether mail may go and
// hands the message to an idle thread.
class AlarmMailer
{
public:
    static constexpr int kThreadCount = 5;

    AlarmMailer();
    ~AlarmMailer(); // stops the threads

    // Reads the stored settings and recipients (at start).
    void loadSettings();
    // The mail settings were applied: take the five fields, read the stored
    // recipients again and let alarm mails be tried again.
    void changeSettings(const QString &account, const QString &password, const QString &port, const QString &server,
                        const QString &sender);
    const MailSettings &settings() const { return m_settings; }

    // Whether an alarm mail may go now: the settings are complete and fewer than
    // three mails failed. The first time the settings are found complete the
    // failure count starts again from 0.
    bool mailAllowed();

    // Starts one alarm mail on the first idle thread. False when nothing was
    // started: incomplete settings, the failure limit reached, all threads busy.
    bool send(const QString &subject, const QString &body);

    // Waits for the running mails; false when the deadline came first.
    bool waitForMails(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // Asks every running mail to end at its next wait and waits for it.
    void stopAll();

private:
    MailSettings m_settings;
    bool m_completeSeen = false;
    QMailThread m_threads[kThreadCount];
};
