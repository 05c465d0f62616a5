#include "ui/views/qmytreewidget.h"

#include "base/log.h"
#include "history/groupstore.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

enum Role { GroupIdRole = Qt::UserRole, SerialRole };

QIcon icon(const char *name)
{
    return QIcon(QStringLiteral(":/DataManager/Resources/icon/%1").arg(QLatin1String(name)));
}

} // namespace

QMyTreeWidget::QMyTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("treeInverters"));
    setColumnCount(1);
    setHeaderLabels({tr("Inverters")});
    setAccessibleName(tr("Inverters"));
    setToolTip(tr("You can use 'Drag and Drop' to move inverter to the group."));
    setDragDropMode(QAbstractItemView::DragDrop);
    setAutoScroll(true);
    setMinimumWidth(260);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSet<QString> QMyTreeWidget::knownSerials(const DeviceSnapshot &devices)
{
    QSet<QString> serials;
    for (const DeviceRecord &device : devices)
        serials.insert(device.sn_name);
    return serials;
}

QString QMyTreeWidget::serialOf(const QTreeWidgetItem *item)
{
    return isInverter(item) ? item->data(0, SerialRole).toString() : QString();
}

std::optional<int> QMyTreeWidget::groupIdOf(const QTreeWidgetItem *item)
{
    if (!item || item->parent())
        return std::nullopt;
    const QVariant id = item->data(0, GroupIdRole);
    return id.isValid() ? std::optional<int>(id.toInt()) : std::nullopt;
}

bool QMyTreeWidget::isUngrouped(const QTreeWidgetItem *item)
{
    return item && !item->parent() && !item->data(0, GroupIdRole).isValid();
}

QTreeWidgetItem *QMyTreeWidget::addGroupItem(const QString &name, std::optional<int> groupId)
{
    auto *item = new QTreeWidgetItem({name});
    item->setIcon(0, icon("layout_add.png"));
    if (groupId)
        item->setData(0, GroupIdRole, *groupId);
    addTopLevelItem(item);
    return item;
}

QTreeWidgetItem *QMyTreeWidget::addInverterItem(QTreeWidgetItem *group, const QString &label, const QString &serial,
                                                bool known)
{
    auto *item = new QTreeWidgetItem(group, {label});
    item->setIcon(0, icon("layout_content.png"));
    item->setForeground(0, known ? Qt::black : Qt::red);
    item->setData(0, SerialRole, serial);
    return item;
}

QString QMyTreeWidget::itemKey(const QTreeWidgetItem *item)
{
    if (!item)
        return {};
    if (isInverter(item))
        return QStringLiteral("inverter:") + serialOf(item);
    const std::optional<int> id = groupIdOf(item);
    return id ? QStringLiteral("group:%1").arg(*id) : QStringLiteral("ungrouped");
}

QTreeWidgetItem *QMyTreeWidget::itemWithKey(const QString &key) const
{
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = topLevelItem(g);
        if (itemKey(group) == key)
            return group;
        for (int i = 0; i < group->childCount(); ++i) {
            if (itemKey(group->child(i)) == key)
                return group->child(i);
        }
    }
    return nullptr;
}

void QMyTreeWidget::rebuild(const QSet<QString> &knownSerials)
{
    const QString current = itemKey(currentItem());
    const int scroll = verticalScrollBar()->value();
    clear();
    const QList<GroupStore::Group> groups = GroupStore::groups();
    // The newest group first.
    for (auto group = groups.crbegin(); group != groups.crend(); ++group) {
        QTreeWidgetItem *item = addGroupItem(group->name, group->id);
        for (const GroupStore::Inverter &inverter : group->inverters)
            addInverterItem(item, inverter.label(), inverter.serial, knownSerials.contains(inverter.serial));
    }
    QTreeWidgetItem *ungrouped = addGroupItem(tr("UnGrouped"), std::nullopt);
    for (const GroupStore::Inverter &inverter : GroupStore::ungrouped())
        addInverterItem(ungrouped, inverter.label(), inverter.serial, knownSerials.contains(inverter.serial));
    expandAll();
    if (QTreeWidgetItem *item = itemWithKey(current))
        setCurrentItem(item);
    verticalScrollBar()->setValue(scroll);
}

void QMyTreeWidget::moveToGroup(QTreeWidgetItem *item, QTreeWidgetItem *group, int position)
{
    item->parent()->removeChild(item);
    group->insertChild(position, item);
    setCurrentItem(item);
}

void QMyTreeWidget::moveCurrentInverter(int step)
{
    QTreeWidgetItem *item = currentItem();
    if (!isInverter(item))
        return;
    QTreeWidgetItem *group = item->parent();
    const int position = group->indexOfChild(item) + step;
    if (position >= 0 && position < group->childCount()) {
        // Only the tree changes: the next rebuild restores the stored order.
        moveToGroup(item, group, position);
        return;
    }
    QTreeWidgetItem *target = topLevelItem(indexOfTopLevelItem(group) + step);
    if (!target || !GroupStore::moveInverterBetweenGroups(groupIdOf(group), groupIdOf(target), serialOf(item)))
        return;
    moveToGroup(item, target, step < 0 ? target->childCount() : 0);
    emit itemClicked(item, 0);
}

void QMyTreeWidget::keyPressEvent(QKeyEvent *event)
{
    QTreeWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        emit tree_item_changed();
}

void QMyTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    // Only inverters are dragged.
    if (isInverter(currentItem()))
        QTreeWidget::dragEnterEvent(event);
    else
        event->ignore();
}

void QMyTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event);
    const QTreeWidgetItem *target = itemAt(event->pos());
    if (target && !target->parent())
        event->accept();
    else
        event->ignore();
}

void QMyTreeWidget::dropEvent(QDropEvent *event)
{
    QTreeWidgetItem *target = itemAt(event->pos());
    QTreeWidgetItem *dragged = currentItem();
    if (!target || isInverter(target) || !isInverter(dragged)) {
        event->ignore();
        return;
    }
    const QString serial = serialOf(dragged);
    for (int i = 0; i < target->childCount(); ++i) {
        if (serialOf(target->child(i)) == serial)
            return; // already there
    }
    const std::optional<int> inverterId = GroupStore::inverterId(serial);
    const std::optional<int> groupId = groupIdOf(target);
    if (!groupId) {
        if (inverterId)
            GroupStore::removeOtherMemberships(*inverterId);
    } else {
        if (!inverterId || !GroupStore::addMembership(*inverterId, *groupId))
            return;
        if (!GroupStore::removeOtherMemberships(*inverterId, groupId))
            write_log(QStringLiteral("QMyTreeWidget::dropEvent() fail in remove step"));
    }
    moveToGroup(dragged, target, target->childCount());
    // The item was moved here: the drag must not remove it at its source as well.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit itemClicked(dragged, 0);
}
