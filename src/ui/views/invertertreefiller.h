#pragma once

#include <QCoreApplication>

class QTreeWidget;
class QTreeWidgetItem;

// Fills a tree with the inverter groups: the groups in reverse order of their
// rows, then "UnGrouped" with every inverter in no group; an inverter item reads
// brand and serial name, black when the polling knows it, red otherwise. Each
// inverter item keeps its serial name as its data, so that it needs no
// parsing of the item's text. All items expanded.
class InverterTreeFiller
{
    Q_DECLARE_TR_FUNCTIONS(InverterTreeFiller)

public:
    static void fill(QTreeWidget *tree);

    // The serial name of an inverter item, empty for a group.
    static QString serialOf(const QTreeWidgetItem *item);
};
