#include "ui/dialogs/dialogplacement.h"

#include <QFontMetrics>
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

void makeRoomForTitle(QWidget *dialog)
{
    // Title bars draw in a bold face of about the window's size; the icon and the three buttons
    // take some five line heights besides the text.
    QFont font = dialog->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int needed = metrics.horizontalAdvance(dialog->windowTitle()) + 5 * metrics.height();
    if (needed > dialog->width())
        dialog->resize(needed, dialog->height());
}
