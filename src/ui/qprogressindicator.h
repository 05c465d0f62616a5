#pragma once

#include <QColor>
#include <QWidget>

// A spinning busy indicator: twelve capsules around a centre, each fainter than
// the one before, turned by one capsule per timer tick.
class QProgressIndicator : public QWidget
{
    Q_OBJECT

public:
    // Sizes of the capsules for an indicator whose shorter side is `side` pixels.
    struct CapsuleGeometry
    {
        double outerRadius;
        int innerRadius;
        int height;
        int width;
        int cornerRadius;
    };
    static CapsuleGeometry capsuleGeometry(int side);

    explicit QProgressIndicator(QWidget *parent = nullptr);

    bool isAnimated() const { return m_timerId != -1; }
    int animationDelay() const { return m_delay; }
    const QColor &color() const { return m_color; }
    // Rotation of the first capsule in degrees.
    int angle() const { return m_angle; }

    QSize sizeHint() const override;
    int heightForWidth(int width) const override;

public slots:
    void startAnimation();
    void stopAnimation();
    void setAnimationDelay(int delay);
    void setDisplayedWhenStopped(bool state);
    void setColor(const QColor &color);

protected:
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_angle = 0;
    int m_timerId = -1;
    int m_delay = 40;
    bool m_displayedWhenStopped = false;
    QColor m_color = Qt::black;
};
