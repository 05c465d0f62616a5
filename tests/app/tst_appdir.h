#pragma once

#include <QObject>

class TestAppDir : public QObject
{
    Q_OBJECT

private slots:
    void choiceInEachCase();
    void firstStartSeedsTheUserDirectory();
};
