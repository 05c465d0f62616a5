#include "ui/qprogressindicator.h"

#include <QPainter>

namespace {
constexpr int kCapsules = 12;
constexpr int kStepDegrees = 360 / kCapsules;
} // namespace

QProgressIndicator::CapsuleGeometry QProgressIndicator::capsuleGeometry(int side)
{
    CapsuleGeometry g;
    g.outerRadius = (side - 1) * 0.5;
    g.innerRadius = int(g.outerRadius * 0.38);
    g.height = int(g.outerRadius) - g.innerRadius;
    g.width = int(g.height * (side <= 32 ? 0.35 : 0.23));
    g.cornerRadius = g.width / 2;
    return g;
}

QProgressIndicator::QProgressIndicator(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

QSize QProgressIndicator::sizeHint() const
{
    return {20, 20};
}

int QProgressIndicator::heightForWidth(int width) const
{
    return width;
}

void QProgressIndicator::startAnimation()
{
    m_angle = 0;
    if (m_timerId == -1)
        m_timerId = startTimer(m_delay);
}

void QProgressIndicator::stopAnimation()
{
    if (m_timerId != -1)
        killTimer(m_timerId);
    m_timerId = -1;
    update();
}

void QProgressIndicator::setAnimationDelay(int delay)
{
    const bool running = m_timerId != -1;
    if (running)
        killTimer(m_timerId);
    m_delay = delay;
    if (running)
        m_timerId = startTimer(m_delay);
}

void QProgressIndicator::setDisplayedWhenStopped(bool state)
{
    m_displayedWhenStopped = state;
    update();
}

void QProgressIndicator::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void QProgressIndicator::timerEvent(QTimerEvent *)
{
    m_angle = (m_angle + kStepDegrees) % 360;
    update();
}

void QProgressIndicator::paintEvent(QPaintEvent *)
{
    if (!m_displayedWhenStopped && !isAnimated())
        return;

    const CapsuleGeometry g = capsuleGeometry(qMin(width(), height()));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kCapsules; ++i) {
        QColor capsule = m_color;
        capsule.setAlphaF(1.0 - double(i) / kCapsules);
        painter.setBrush(capsule);
        painter.save();
        painter.translate(rect().center());
        painter.rotate(m_angle - kStepDegrees * i);
        painter.drawRoundedRect(int(-g.width * 0.5), -(g.height + g.innerRadius), g.width, g.height, g.cornerRadius,
                                g.cornerRadius);
        painter.restore();
    }
}
