#include "monitor/mailtester.h"

#include "base/prompter.h"
#include "monitor/mailsettings.h"
#include "monitor/programstate.h"

const char *const MailTester::kSubject = "Test Mail -- Lumora Data Manager";
const char *const MailTester::kBody = "This is a test mail from Lumora Data Manager";

MailTester::MailTester(QObject *parent)
    : QObject(parent)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(kWaitMs + kGraceMs);
    // The dialogue ends at its next wait.
    connect(&m_limit, &QTimer::timeout, &m_thread, &QThread::requestInterruption);
    connect(&m_thread, &QThread::finished, this, &MailTester::threadEnded);
}

QString MailTester::progressText()
{
    return tr("Please waiting...");
}

bool MailTester::testConnection(const MailSettings &settings)
{
    if (!settings.hasValidServer()) {
        ProgramState::instance().prompter().message(Prompter::Level::Critical, tr("Error"),
                                                    tr("Some fields is not valid."));
        return false;
    }
    return begin(settings, {settings.sender}, QMailThread::TestConnection);
}

bool MailTester::sendTestMail(const MailSettings &settings)
{
    Prompter &prompter = ProgramState::instance().prompter();
    if (!settings.isComplete() || !settings.hasValidServer() || settings.portNumber() == 0) {
        prompter.message(Prompter::Level::Critical, tr("Error"), tr("Some fields is not valid."));
        return false;
    }
    if (settings.recipients.isEmpty()) {
        prompter.message(Prompter::Level::Critical, tr("Error"), tr("Please type at least one recipient."));
        return false;
    }
    return begin(settings, settings.recipients, QMailThread::SendMail);
}

bool MailTester::begin(const MailSettings &settings, const QStringList &recipients, int mode)
{
    if (m_running)
        return false;
    m_running = true;
    settings.prepare(m_thread);
    m_thread.setRecipients(recipients);
    m_mode = mode;
    m_thread.setMode(mode);
    m_thread.setSubject(QString::fromLatin1(kSubject));
    m_thread.setBody(QString::fromLatin1(kBody));
    m_thread.start();
    m_limit.start();
    return true;
}

QString MailTester::sendFailure() const
{
    if (!m_thread.refusedByCounter())
        return tr("Send failed.");
    return tr("Send failed.\n%1 mails failed since the mail settings were applied: no mail is sent until they "
              "are applied again.")
        .arg(ProgramState::instance().alarmMailCounter());
}

void MailTester::threadEnded()
{
    m_limit.stop();
    m_running = false;
    const bool connectionTest = m_mode == QMailThread::TestConnection;
    // A connection test passes once the server took the mail; a test mail once it was sent.
    const bool success = connectionTest ? m_thread.isDone() : m_thread.isSuccess();
    emit finished(success);
    const Prompter::Level level = success ? Prompter::Level::Information : Prompter::Level::Warning;
    if (connectionTest)
        ProgramState::instance().prompter().message(level, tr("Test Connect"),
                                                    success ? tr("Test success") : tr("Test fail"));
    else
        ProgramState::instance().prompter().message(level, tr("Send Test Mail"),
                                                    success ? tr("Send success.") : sendFailure());
}
