#include "monitor/mailtester.h"

#include "base/prompter.h"
#include "monitor/mailsettings.h"
#include "monitor/programstate.h"
#include "monitor/qmailthread.h"

#include <QElapsedTimer>

const char *const MailTester::kSubject = "Test Mail -- Lumora Data Manager";
const char *const MailTester::kBody = "This is a test mail from Lumora Data Manager";

QString MailTester::progressText()
{
    return tr("Please waiting...");
}

bool MailTester::testConnection(const MailSettings &settings, QMailThread &thread, const WaitHook &whileWaiting)
{
    Prompter &prompter = ProgramState::instance().prompter();
    if (!settings.hasServerAddress()) {
        prompter.message(Prompter::Level::Critical, tr("Error"), tr("Some fields is not valid."));
        return false;
    }
    thread.setRecipients({settings.sender});
    thread.setMode(QMailThread::TestConnection);
    run(settings, thread, whileWaiting);
    const bool done = thread.isDone();
    prompter.message(done ? Prompter::Level::Information : Prompter::Level::Warning, tr("Test Connect"),
                     done ? tr("Test success") : tr("Test fail"));
    return done;
}

bool MailTester::sendTestMail(const MailSettings &settings, QMailThread &thread, const WaitHook &whileWaiting)
{
    Prompter &prompter = ProgramState::instance().prompter();
    if (!settings.isComplete() || !settings.hasServerAddress() || settings.portNumber() == 0) {
        prompter.message(Prompter::Level::Critical, tr("Error"), tr("Some fields is not valid."));
        return false;
    }
    if (settings.recipients.isEmpty()) {
        prompter.message(Prompter::Level::Critical, tr("Error"), tr("Please type at least one recipient."));
        return false;
    }
    thread.setRecipients(settings.recipients);
    thread.setMode(QMailThread::SendMail);
    run(settings, thread, whileWaiting);
    const bool sent = thread.isSuccess();
    prompter.message(sent ? Prompter::Level::Information : Prompter::Level::Warning, tr("Send Test Mail"),
                     sent ? tr("Send success.") : tr("Send failed."));
    return sent;
}

void MailTester::run(const MailSettings &settings, QMailThread &thread, const WaitHook &whileWaiting)
{
    settings.prepare(thread);
    thread.setSubject(QString::fromLatin1(kSubject));
    thread.setBody(QString::fromLatin1(kBody));
    thread.start();
    QElapsedTimer waited;
    waited.start();
    while (!thread.wait(kWaitSliceMs)) {
        if (whileWaiting)
            whileWaiting();
        if (waited.elapsed() >= kWaitMs + kGraceMs) {
            thread.requestInterruption(); // the dialogue ends at its next wait
            thread.wait();
        }
    }
}
