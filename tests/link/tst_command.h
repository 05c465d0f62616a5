#pragma once

#include <QObject>

class TestCommand : public QObject
{
    Q_OBJECT

private slots:
    void framesAndTimeouts();
    void replyValidation_data();
    void replyValidation();
    void closedPortWritesNothing();
    void registerWrite();
    void inverterReads();
    void shortRepliesFillNoIdentity();
    void fuzzedReplies();
};
