#pragma once

#include <QObject>

class TestLinePort : public QObject
{
    Q_OBJECT

private slots:
    void portListLoadsTheLineSettings();
    void closingForgetsAddressesOnlyWhenTheChoiceChanged();
    void closingWithoutThePortKeepsTheLine();
    void passwordOpensOnlyForTheMasterText();
    void directCommandShowsFrameAndReplyAndFreesThePort();
};
