#pragma once

#include <QColor>
#include <QVector>
#include <qwt_plot_item.h>
#include <qwt_samples.h>

// The bars of the power chart: one bar a value interval, drawn from the
// baseline to its value in one colour with a light top and left edge and a dark
// bottom and right edge. Neighbouring bars on the same side of the baseline
// are drawn touching.
class HistogramItem : public QwtPlotItem
{
public:
    explicit HistogramItem(const QwtText &title = QwtText());

    int rtti() const override;
    void draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
              const QRectF &canvasRect) const override;
    // The intervals' extent, stretched to the baseline.
    QRectF boundingRect() const override;

    void setIntervals(const QVector<QwtIntervalSample> &intervals);
    const QVector<QwtIntervalSample> &intervals() const { return m_intervals; }
    void setBarColour(const QColor &colour);
    QColor barColour() const { return m_colour; }
    double baseline() const { return m_baseline; }

protected:
    // Fills the bar in the pen's colour and shades its edges.
    virtual void paintBar(QPainter *painter, Qt::Orientation orientation, const QRect &rect) const;

private:
    QVector<QwtIntervalSample> m_intervals;
    QColor m_colour;
    double m_baseline = 0.0;
};
