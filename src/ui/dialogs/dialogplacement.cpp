#include "ui/dialogs/dialogplacement.h"

#include <QWidget>

void centreOverParent(QWidget *dialog)
{
    const QWidget *parent = dialog->parentWidget();
    if (!parent)
        return;
    const QWidget *owner = parent->window();
    const QPoint origin = owner->mapToGlobal(QPoint(0, 0));
    dialog->move(origin.x() + owner->width() / 2 - dialog->width() / 2,
                 origin.y() + owner->height() / 2 - dialog->height() / 2);
}
