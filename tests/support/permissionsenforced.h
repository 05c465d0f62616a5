#pragma once

#include <QProcess>

// File permissions hold for the calling thread while this lives, also for root:
// the thread's capabilities that override them are dropped from its effective
// set and given back at the end. Lets a test meet a file it may not open.
class PermissionsEnforced
{
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced &) = delete;
    PermissionsEnforced &operator=(const PermissionsEnforced &) = delete;

private:
    bool m_dropped = false;
};

// A process whose file permissions hold also when the test runs as root: the
// child gives up, before it starts the program, the capabilities that override them.
class PermissionsEnforcedProcess : public QProcess
{
protected:
    void setupChildProcess() override;
};
