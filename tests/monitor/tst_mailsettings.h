#pragma once

#include <QObject>

// Storing the mail account and the alarmed error bits.
class TestMailSettings : public QObject
{
    Q_OBJECT

private slots:
    void applyAndLoadRoundTrip();
    void testsRefuseInvalidFields();
    void alarmSelectionRoundTrip();
};
