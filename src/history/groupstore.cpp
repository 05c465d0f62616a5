#include "history/groupstore.h"

#include "db/readconnection.h"

namespace {

GroupStore::Inverter inverterOf(const DbRow &row)
{
    return {row.value(QStringLiteral("id")).toInt(), row.value(QStringLiteral("brand_name")),
            row.value(QStringLiteral("sn_name"))};
}

QList<GroupStore::Inverter> invertersOf(const DbRows &rows)
{
    QList<GroupStore::Inverter> inverters;
    for (const DbRow &row : rows)
        inverters << inverterOf(row);
    return inverters;
}

std::optional<int> firstId(const QString &statement, const QVariantList &values)
{
    int id = 0;
    if (!db_query_int(statement, values, QStringLiteral("id"), id))
        return std::nullopt;
    return id;
}

} // namespace

QList<GroupStore::Group> GroupStore::groups()
{
    QList<Group> groups;
    for (const DbRow &row : db_query(QStringLiteral("SELECT * FROM orva_group ORDER BY id"))) {
        Group group{row.value(QStringLiteral("id")).toInt(), row.value(QStringLiteral("name")), {}};
        group.inverters = invertersOf(db_query(QStringLiteral("SELECT * FROM orva_inverter WHERE id IN "
                                                              "(SELECT inverter_id FROM orva_group_inverters "
                                                              "WHERE group_id = ?) ORDER BY id"),
                                               {group.id}));
        groups << group;
    }
    return groups;
}

QList<GroupStore::Inverter> GroupStore::ungrouped()
{
    return invertersOf(db_query(QStringLiteral("SELECT * FROM orva_inverter WHERE id not in(SELECT DISTINCT "
                                               "inverter_id FROM orva_group_inverters) ORDER BY id")));
}

QStringList GroupStore::serialNames()
{
    QStringList names;
    for (const DbRow &row : ReadConnection::query(QStringLiteral("SELECT DISTINCT sn_name FROM orva_inverter")))
        names << row.value(QStringLiteral("sn_name"));
    return names;
}

std::optional<int> GroupStore::groupId(const QString &name)
{
    return firstId(QStringLiteral("SELECT id FROM orva_group WHERE name = ?"), {name});
}

bool GroupStore::groupExists(int groupId)
{
    return firstId(QStringLiteral("SELECT id FROM orva_group WHERE id = ?"), {groupId}).has_value();
}

std::optional<int> GroupStore::inverterId(const QString &serial)
{
    return firstId(QStringLiteral("select id from orva_inverter where sn_name = ?"), {serial});
}

DbRow GroupStore::inverterRow(const QString &serial)
{
    const DbRows rows = db_query(QStringLiteral("select * from orva_inverter where sn_name = ?"), {serial});
    return rows.isEmpty() ? DbRow() : rows.first();
}

bool GroupStore::addGroup(const QString &name)
{
    return db_exec(QStringLiteral("INSERT INTO orva_group(name) values(?)"), {name}) == 0;
}

bool GroupStore::deleteGroup(int groupId)
{
    return db_exec_transaction({{QStringLiteral("DELETE FROM orva_group_inverters WHERE group_id = ?"), {groupId}},
                                {QStringLiteral("DELETE FROM orva_group WHERE id = ?"), {groupId}}}) == 0;
}

bool GroupStore::addMembership(int inverterId, int groupId)
{
    return db_exec(QStringLiteral("INSERT INTO orva_group_inverters (group_id,inverter_id) VALUES(?,?)"),
                   {groupId, inverterId}) == 0;
}

bool GroupStore::removeMembership(int inverterId, int groupId)
{
    return db_exec(QStringLiteral("DELETE FROM orva_group_inverters WHERE group_id = ? AND inverter_id = ?"),
                   {groupId, inverterId}) == 0;
}

bool GroupStore::removeOtherMemberships(int inverterId, std::optional<int> keptGroupId)
{
    if (!keptGroupId)
        return db_exec(QStringLiteral("DELETE from orva_group_inverters WHERE inverter_id = ?"), {inverterId}) == 0;
    return db_exec(QStringLiteral("DELETE from orva_group_inverters WHERE inverter_id = ? AND group_id != ?"),
                   {inverterId, *keptGroupId}) == 0;
}

bool GroupStore::moveInverterBetweenGroups(std::optional<int> sourceGroupId, std::optional<int> targetGroupId,
                                           const QString &serial)
{
    if ((sourceGroupId && !groupExists(*sourceGroupId)) || (targetGroupId && !groupExists(*targetGroupId)))
        return false;
    const std::optional<int> inverter = inverterId(serial);
    if (!inverter)
        return false;
    QList<DbStatement> statements;
    if (sourceGroupId)
        statements << DbStatement{QStringLiteral("delete from orva_group_inverters where group_id = ? and "
                                                 "inverter_id = ?"),
                                  {*sourceGroupId, *inverter}};
    if (targetGroupId)
        statements << DbStatement{QStringLiteral("insert into orva_group_inverters (group_id,inverter_id) "
                                                 "values(?,?)"),
                                  {*targetGroupId, *inverter}};
    return db_exec_transaction(statements) == 0;
}

bool GroupStore::deleteInverter(const QString &serial)
{
    const QString ids = QStringLiteral("(SELECT id FROM orva_inverter WHERE sn_name = ?)");
    return db_exec_transaction(
               {{QStringLiteral("DELETE FROM orva_group_inverters WHERE inverter_id IN %1").arg(ids), {serial}},
                {QStringLiteral("DELETE FROM orva_debug WHERE inverter_id IN %1").arg(ids), {serial}},
                {QStringLiteral("DELETE FROM orva_monitor_log WHERE inverter_id IN %1").arg(ids), {serial}},
                {QStringLiteral("DELETE FROM orva_inverter WHERE sn_name = ?"), {serial}}}) == 0;
}

bool GroupStore::markAllOffline()
{
    return db_exec(QStringLiteral("update orva_inverter set online = 0")) == 0;
}
