#include "ui/views/invertertreefiller.h"

#include "db/readconnection.h"
#include "monitor/programstate.h"

#include <QSet>
#include <QTreeWidget>

namespace {

const QString kIconPath = QStringLiteral(":/DataManager/Resources/icon/%1");

void addInverters(QTreeWidgetItem *group, const DbRows &rows, const QSet<QString> &known)
{
    for (const DbRow &row : rows) {
        const QString serial = row.value(QStringLiteral("sn_name"));
        auto *item = new QTreeWidgetItem(group, {row.value(QStringLiteral("brand_name")) + QLatin1Char(' ') + serial});
        item->setIcon(0, QIcon(kIconPath.arg(QStringLiteral("layout_content.png"))));
        item->setForeground(0, known.contains(serial) ? Qt::black : Qt::red);
        item->setData(0, Qt::UserRole, serial);
    }
}

QTreeWidgetItem *groupItem(const QString &name)
{
    auto *item = new QTreeWidgetItem(QStringList{name});
    item->setIcon(0, QIcon(kIconPath.arg(QStringLiteral("layout_add.png"))));
    return item;
}

} // namespace

void InverterTreeFiller::fill(QTreeWidget *tree)
{
    tree->clear();
    QSet<QString> known;
    for (const DeviceRecord &record : ProgramState::instance().devices().snapshot())
        known.insert(record.sn_name);

    for (const DbRow &group : ReadConnection::query(QStringLiteral("SELECT * FROM orva_group"))) {
        QTreeWidgetItem *item = groupItem(group.value(QStringLiteral("name")));
        tree->insertTopLevelItem(0, item);
        QStringList ids;
        for (const DbRow &member :
             ReadConnection::query(QStringLiteral("SELECT inverter_id FROM orva_group_inverters WHERE group_id = ?"),
                                   {group.value(QStringLiteral("id"))})) {
            bool number = false;
            const qint64 id = member.value(QStringLiteral("inverter_id")).toLongLong(&number);
            if (number)
                ids << QString::number(id);
        }
        if (!ids.isEmpty())
            addInverters(
                item,
                ReadConnection::query(
                    QStringLiteral("SELECT * FROM orva_inverter WHERE id IN (%1)").arg(ids.join(QLatin1Char(',')))),
                known);
    }
    QTreeWidgetItem *ungrouped = groupItem(tr("UnGrouped"));
    tree->addTopLevelItem(ungrouped);
    // A membership without an inverter id must not hide every ungrouped inverter.
    addInverters(ungrouped,
                 ReadConnection::query(QStringLiteral("SELECT * FROM orva_inverter WHERE id not in(SELECT DISTINCT "
                                                      "inverter_id FROM orva_group_inverters WHERE inverter_id IS NOT "
                                                      "NULL)")),
                 known);
    tree->expandAll();
}

QString InverterTreeFiller::serialOf(const QTreeWidgetItem *item)
{
    return item && item->parent() ? item->data(0, Qt::UserRole).toString() : QString();
}
