#pragma once

#include <QObject>

class TestDeviceReader : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryFamily();
    void failedReadsKeepIdentityAndGoOffline();
};
