#pragma once

#include "monitor/qmailthread.h"

#include <QObject>
#include <QString>
#include <QTimer>

class MailSettings;

// The two checks of the alarm configuration: the connection test and the test
// mail. Each runs the tester's mail thread once with the test subject and body
// and returns at once; when the thread has ended, finished() carries the
// outcome and then the user is told it. A thread that runs too long is asked
// to end.
class MailTester : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWaitMs = 25000;  // then the thread gets ...
    static constexpr int kGraceMs = 10000; // ... this much more before it is asked to end

    static const char *const kSubject;
    static const char *const kBody;

    explicit MailTester(QObject *parent = nullptr);

    // What the progress window shows meanwhile.
    static QString progressText();

    // Start the test mail to the sender alone (a failure is never counted) or
    // to the recipients. The connection test needs a valid server, the
    // test mail valid fields and a recipient. False when nothing was started:
    // the fields were refused (the user has been told) or a test still runs.
    bool testConnection(const MailSettings &settings);
    bool sendTestMail(const MailSettings &settings);

    // A test has started and its outcome has not been reported yet.
    bool isRunning() const { return m_running; }
    // How long a test may run before its thread is asked to end (kWaitMs + kGraceMs).
    void setLimitMs(int ms) { m_limit.setInterval(ms); }

signals:
    // The test has ended: the server took the mail (success) or not. Comes
    // before the message that tells the user, so that a progress window can
    // close first.
    void finished(bool success);

private:
    bool begin(const MailSettings &settings, const QStringList &recipients, int mode);
    void threadEnded();
    // What the user is told of a test mail that failed.
    QString sendFailure() const;

    QMailThread m_thread;
    QTimer m_limit;
    int m_mode = QMailThread::SendMail;
    bool m_running = false;
};
