#pragma once

#include <QObject>

// The checks of the alarm configuration, reported by signal.
class TestMailTester : public QObject
{
    Q_OBJECT

private slots:
    void overlongTestIsCutAndReported();
};
