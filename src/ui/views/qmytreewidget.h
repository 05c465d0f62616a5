#pragma once

#include "device/devicemap.h"

#include <QSet>
#include <QTreeWidget>

#include <optional>

// The inverter tree: one top-level item per group, in reverse order of their
// rows, then "UnGrouped"; the inverters are their children. An inverter item
// keeps its serial number and the group items their ids as item data, so that
// no operation has to read them back from the item texts. Inverters can be
// dragged onto groups, and moved up and down, also across groups.
class QMyTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit QMyTreeWidget(QWidget *parent = nullptr);

    // Rebuilds the tree from the database. An inverter whose serial number is among
    // knownSerials (the device records) is written black, any other red. The
    // current item and the scroll position stay where they were.
    void rebuild(const QSet<QString> &knownSerials);
    // The serial numbers of a polling cycle's records.
    static QSet<QString> knownSerials(const DeviceSnapshot &devices);

    static bool isInverter(const QTreeWidgetItem *item) { return item && item->parent(); }
    // The serial number of an inverter item; empty for any other item.
    static QString serialOf(const QTreeWidgetItem *item);
    // The group id of a group item; nothing for "UnGrouped" and for inverters.
    static std::optional<int> groupIdOf(const QTreeWidgetItem *item);
    static bool isUngrouped(const QTreeWidgetItem *item);

    // Moves the current inverter one place up (step -1) or down (step 1): inside
    // its group only in the tree; past the first or last place into the group
    // above or below, also in the database, and then it counts as clicked.
    void moveCurrentInverter(int step);

signals:
    void tree_item_changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QTreeWidgetItem *addGroupItem(const QString &name, std::optional<int> groupId);
    QTreeWidgetItem *addInverterItem(QTreeWidgetItem *group, const QString &label, const QString &serial, bool known);
    // What names an item across rebuilds: an inverter's serial number or a group's id.
    static QString itemKey(const QTreeWidgetItem *item);
    QTreeWidgetItem *itemWithKey(const QString &key) const;
    void moveToGroup(QTreeWidgetItem *item, QTreeWidgetItem *group, int position);
};
