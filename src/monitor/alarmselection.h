#pragma once

#include "device/devicefamily.h"

#include <QList>
#include <QString>

class AppSettings;

// The error bits chosen for alarm mail, per alarm region and error word, kept
// in app.ini as bit numbers joined by "," (EUR_ERR0 ... USA1_ERR3).
// Regions: 0 "EUR", 1 "USA0", 2 "USA1", 3 "M83". "M83" has no error table, so
// nothing can be chosen for it: it reads as no bits and stores nothing.
namespace AlarmSelection {
constexpr int kRegionCount = 4;
constexpr int kWordCount = 4; // word index 0 is err1, ... 3 is err4
constexpr int kBitCount = 16;

bool hasErrorTable(int region);

// The region whose keys a device uses: EUR for the EUR family, otherwise USA1
// when the device has one of the listed model names, USA0 when not.
int regionOf(DeviceFamily family, bool hasListedModelName);

// The chosen bits in the order stored; entries that are not bit numbers are skipped.
QList<int> bits(const AppSettings &settings, int region, int word);
void setBits(AppSettings &settings, int region, int word, const QList<int> &bits);

QList<int> parseBits(const QString &text);
QString joinBits(const QList<int> &bits);
} // namespace AlarmSelection
