#pragma once

#include "db/database.h"

#include <QList>
#include <QString>

#include <optional>

// The inverter groups in the database: orva_group, orva_group_inverters and
// the orva_inverter rows they hold. Names and serial numbers are always bound
// values and matched exactly.
class GroupStore
{
public:
    struct Inverter
    {
        int id = 0;
        QString brand;
        QString serial;
        // "brand serial", the text of its item in the tree.
        QString label() const { return brand + QLatin1Char(' ') + serial; }
    };

    struct Group
    {
        int id = 0;
        QString name;
        QList<Inverter> inverters;
    };

    // Every group in row order with its inverters.
    static QList<Group> groups();
    // The inverters in no group.
    static QList<Inverter> ungrouped();
    // The serial name of every orva_inverter row, asked on the read connection
    // (the history pages ask while the polling writes).
    static QStringList serialNames();

    static std::optional<int> groupId(const QString &name);
    static bool groupExists(int groupId);
    static std::optional<int> inverterId(const QString &serial);
    // The orva_inverter row of a serial number; empty when there is none.
    static DbRow inverterRow(const QString &serial);

    static bool addGroup(const QString &name);
    // The group and its memberships; its inverters become ungrouped.
    static bool deleteGroup(int groupId);

    static bool addMembership(int inverterId, int groupId);
    static bool removeMembership(int inverterId, int groupId);
    // Every membership of the inverter except the one in keptGroupId (none: all of them).
    static bool removeOtherMemberships(int inverterId, std::optional<int> keptGroupId = std::nullopt);

    // Moves an inverter from one group to another; no group stands for the ungrouped
    // ones. False, with nothing changed, when a group or the inverter is gone.
    static bool moveInverterBetweenGroups(std::optional<int> sourceGroupId, std::optional<int> targetGroupId,
                                          const QString &serial);

    // The inverters with this serial number, their memberships, debug rows and
    // readings, all in one transaction.
    static bool deleteInverter(const QString &serial);

    // Every orva_inverter row offline: nothing answers while the program is away.
    static bool markAllOffline();
};
