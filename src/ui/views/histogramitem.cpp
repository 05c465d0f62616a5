#include "ui/views/histogramitem.h"

#include <QPainter>
#include <qwt_scale_map.h>

namespace {

constexpr int kShadeFactor = 125;

QPen edgePen(const QColor &colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

HistogramItem::HistogramItem(const QwtText &title)
    : QwtPlotItem(title)
{
    setItemAttribute(QwtPlotItem::AutoScale, true);
    setItemAttribute(QwtPlotItem::Legend, true);
    setZ(20.0);
}

int HistogramItem::rtti() const
{
    return QwtPlotItem::Rtti_PlotHistogram;
}

void HistogramItem::setIntervals(const QVector<QwtIntervalSample> &intervals)
{
    m_intervals = intervals;
    itemChanged();
}

void HistogramItem::setBarColour(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    itemChanged();
}

QRectF HistogramItem::boundingRect() const
{
    if (m_intervals.isEmpty())
        return QRectF(1.0, 1.0, -2.0, -2.0); // invalid: nothing to scale to
    double left = m_intervals.first().interval.minValue();
    double right = m_intervals.first().interval.maxValue();
    double low = m_intervals.first().value;
    double high = low;
    for (const QwtIntervalSample &sample : m_intervals) {
        left = qMin(left, sample.interval.minValue());
        right = qMax(right, sample.interval.maxValue());
        low = qMin(low, sample.value);
        high = qMax(high, sample.value);
    }
    low = qMin(low, m_baseline);
    high = qMax(high, m_baseline);
    return QRectF(left, low, right - left, high - low);
}

void HistogramItem::draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                         const QRectF &canvasRect) const
{
    Q_UNUSED(canvasRect)
    painter->setPen(QPen(m_colour));
    const int base = qRound(yMap.transform(m_baseline));
    const int count = m_intervals.size();
    for (int i = 0; i < count; ++i) {
        const QwtIntervalSample &sample = m_intervals.at(i);
        const int top = qRound(yMap.transform(sample.value));
        if (top == base)
            continue;
        int x1 = qRound(xMap.transform(sample.interval.minValue()));
        int x2 = qRound(xMap.transform(sample.interval.maxValue()));
        if (x1 > x2)
            qSwap(x1, x2);
        if (i < count - 2) {
            // A neighbour that starts where this bar ends, on the same side of the baseline: no gap between them.
            const QwtIntervalSample &next = m_intervals.at(i + 1);
            const int nextStart =
                qRound(qMin(xMap.transform(next.interval.minValue()), xMap.transform(next.interval.maxValue())));
            const int nextTop = qRound(yMap.transform(next.value));
            if (x2 == nextStart && nextTop != base && (nextTop < base) == (top < base))
                ++x2;
        }
        paintBar(painter, Qt::Vertical, QRect(x1, base, x2 - x1, top - base));
    }
}

void HistogramItem::paintBar(QPainter *painter, Qt::Orientation orientation, const QRect &rect) const
{
    Q_UNUSED(orientation) // the shading is the same both ways
    painter->save();
    const QColor colour = painter->pen().color();
    const QColor light = colour.lighter(kShadeFactor);
    const QColor dark = colour.darker(kShadeFactor);
    const QRect r = rect.normalized();

    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRect(r.adjusted(1, 1, -1, -1));
    painter->setBrush(Qt::NoBrush);

    painter->setPen(edgePen(light, 2));
    painter->drawLine(r.left() + 1, r.top() + 1, r.right(), r.top() + 1);
    painter->setPen(edgePen(dark, 2));
    painter->drawLine(r.left() + 1, r.bottom(), r.right(), r.bottom());

    painter->setPen(edgePen(light, 1));
    painter->drawLine(r.left(), r.top() + 1, r.left(), r.bottom());
    painter->drawLine(r.left() + 1, r.top() + 2, r.left() + 1, r.bottom() - 1);
    painter->setPen(edgePen(dark, 1));
    painter->drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
    painter->drawLine(r.right() - 1, r.top() + 2, r.right() - 1, r.bottom() - 1);
    painter->restore();
}
