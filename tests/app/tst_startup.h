#pragma once

#include <QObject>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartThenLaterStart();
    void badSettingsFiles();
    void translationAndDecimalComma_data();
    void translationAndDecimalComma();
    void databaseRestore();
    void brokenDatabaseIsReportedAndKept();
    void comPortDecision_data();
    void comPortDecision();
    void comPortCheckStartsMonitoring();
};
