#include "monitor/alarmmailer.h"

#include "app/programstate.h"

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
    m_settings.recipients = MailSettings::load().recipients;
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
    if (!m_settings.canSendAlarms() || !ProgramState::instance().alarmMailBelowLimit())
        return false;
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
