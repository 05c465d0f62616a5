#include "ui/qprogressindicator.h"
#include "ui/qprogresswin.h"

#include <QtTest>

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void capsulesFollowTheSize();
    void animationTurnsAndKeepsItsState();
    void windowCentresOnItsOwnerAndSpinsWhileShown();
};

void TestProgress::capsulesFollowTheSize()
{
    const auto small = QProgressIndicator::capsuleGeometry(20);
    QCOMPARE(small.outerRadius, 9.5);
    QCOMPARE(small.innerRadius, 3);
    QCOMPARE(small.height, 6);
    QCOMPARE(small.width, 2);
    QCOMPARE(small.cornerRadius, 1);

    // Past 32 pixels the capsules get slimmer.
    const auto large = QProgressIndicator::capsuleGeometry(50);
    QCOMPARE(large.outerRadius, 24.5);
    QCOMPARE(large.innerRadius, 9);
    QCOMPARE(large.height, 15);
    QCOMPARE(large.width, 3);
    QCOMPARE(large.cornerRadius, 1);
}

void TestProgress::animationTurnsAndKeepsItsState()
{
    QProgressIndicator indicator;
    QVERIFY(!indicator.isAnimated());
    indicator.setAnimationDelay(100);
    QVERIFY(!indicator.isAnimated());
    QCOMPARE(indicator.animationDelay(), 100);

    indicator.startAnimation();
    QVERIFY(indicator.isAnimated());
    QTimerEvent tick(0);
    QCoreApplication::sendEvent(&indicator, &tick);
    QCOMPARE(indicator.angle(), 30);
    for (int i = 1; i < 12; ++i)
        QCoreApplication::sendEvent(&indicator, &tick);
    QCOMPARE(indicator.angle(), 0);

    indicator.setAnimationDelay(60);
    QVERIFY(indicator.isAnimated());
    QCOMPARE(indicator.animationDelay(), 60);
    // The running timer is the one with the new delay: its ticks turn the pattern.
    QTRY_VERIFY(indicator.angle() != 0);

    indicator.stopAnimation();
    QVERIFY(!indicator.isAnimated());
    indicator.startAnimation();
    QCOMPARE(indicator.angle(), 0);
}

void TestProgress::windowCentresOnItsOwnerAndSpinsWhileShown()
{
    QWidget owner;
    owner.setGeometry(100, 80, 900, 600);
    owner.show();
    auto *progress = new QProgressWin(&owner);
    QVERIFY(progress->windowFlags() & Qt::FramelessWindowHint);
    progress->setText(QStringLiteral("Starting monitoring..."));

    progress->show();
    const QPoint ownerCentre = owner.mapToGlobal(QPoint(450, 300));
    QCOMPARE(progress->pos(), ownerCentre - QPoint(progress->width() / 2, progress->height() / 2));
    QVERIFY(progress->indicator()->isAnimated());

    progress->close();
    QVERIFY(!progress->indicator()->isAnimated());
    progress->show();
    progress->accept();
    QVERIFY(!progress->indicator()->isAnimated());
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
