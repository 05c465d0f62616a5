#pragma once

#include <QObject>

class TestLog : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat();
    void restartsAtElevenKiB();
    void unwritableLogIsSilent();
    void concurrentWritersKeepLinesWhole();
};
