#pragma once

#include <QStyledItemDelegate>

// Draws a cell's text on one line, over the selection colour when selected.
// The style's own item drawing lays every text out for wrapping and eliding;
// for a table of many short numbers this halves the time a scroll step takes.
class PlainTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
