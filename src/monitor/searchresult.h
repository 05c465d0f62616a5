#pragma once

#include <QList>
#include <QString>

// The INV_ADDR text of a list of bus addresses: decimal, in list order, joined by ",".
QString addressListText(const QList<int> &addresses);

// Makes the addresses a search found the program's inverter list: the address
// table holds exactly them and INV_ADDR is written as the addresses in the
// order found, in decimal, joined by "," (empty when none), through the
// program-wide settings object when there is one. False when app.ini could not
// be written.
bool save_search_result(const QList<int> &found);
