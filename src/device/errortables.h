#pragma once

#include "device/devicefamily.h"
#include "device/errorbitinfo.h"

#include <QMap>
#include <QVector>

// For one family: error word number (1 to 4) -> bit number (0 to 15) -> bit.
// Every set holds all 64 bits; a bit the family does not use reads "N/A".
// The bits are shared, never copied.
using ErrorTableSet = QMap<int, QMap<int, const ErrorBitInfo *>>;

// The three families' tables, built on first use and read-only afterwards.
const ErrorTableSet &ErrorTableEUR();
const ErrorTableSet &ErrorTableUSA0();
const ErrorTableSet &ErrorTableUSA1();

const ErrorTableSet &errorTable(DeviceFamily family);

// The bit of the device's family, or nullptr when word is not 1 to 4 or bit not 0 to 15.
const ErrorBitInfo *errorBitInfo(int versionw3, int word, int bit);

struct DecodedError
{
    int word; // 1 to 4
    const ErrorBitInfo *info;
};

// Every set bit of the four error words, word 1 first and lower bits first inside a word.
// Only the low 16 bits of each word count.
QVector<DecodedError> decodeErrors(int versionw3, int err1, int err2, int err3, int err4);

// The description in the user's language, for the window; the alarm mail keeps the English description.
QString translatedDescription(const ErrorBitInfo &info);
