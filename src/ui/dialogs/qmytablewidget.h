#pragma once

#include <QTableWidget>

// A table whose cells are moved with the mouse: it shows the move cursor
// while a mouse button is down.
class QMyTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    using QTableWidget::QTableWidget;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
