#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class MailSettings;
class QMailThread;

// The two checks of the alarm configuration: the connection test and the test
// mail. Each runs the given mail thread once with the test subject and body,
// waits for it while calling the wait hook (where the window keeps its progress
// window alive), and tells the user the outcome.
class MailTester
{
    Q_DECLARE_TR_FUNCTIONS(MailTester)

public:
    using WaitHook = std::function<void()>;

    static constexpr int kWaitMs = 25000;  // then the thread gets ...
    static constexpr int kGraceMs = 10000; // ... this much more before it is stopped
    static constexpr int kWaitSliceMs = 100;

    static const char *const kSubject;
    static const char *const kBody;

    // What the progress window shows meanwhile.
    static QString progressText();

    // Sends the test mail to the sender alone without counting a failure.
    // The server must be a dotted IPv4 address. True when the server took it.
    static bool testConnection(const MailSettings &settings, QMailThread &thread, const WaitHook &whileWaiting = {});
    // Sends the test mail to the recipients; needs valid fields and a recipient.
    static bool sendTestMail(const MailSettings &settings, QMailThread &thread, const WaitHook &whileWaiting = {});

private:
    static void run(const MailSettings &settings, QMailThread &thread, const WaitHook &whileWaiting);
};
