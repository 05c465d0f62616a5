#include "ui/dialogs/qmytablewidget.h"

void QMyTableWidget::mousePressEvent(QMouseEvent *event)
{
    viewport()->setCursor(Qt::SizeAllCursor);
    QTableWidget::mousePressEvent(event);
}

void QMyTableWidget::mouseReleaseEvent(QMouseEvent *event)
{
    viewport()->unsetCursor();
    QTableWidget::mouseReleaseEvent(event);
}
