#pragma once

#include <QString>

// One bit of an inverter error word: its short name and the text shown to the user.
// Built once with the error tables and never changed.
class ErrorBitInfo
{
public:
    ErrorBitInfo(int bitNo, const QString &shortName, const QString &text)
        : bit(bitNo)
        , mask(1 << bitNo)
        , name(shortName)
        , description(text)
    {}

    const int bit;  // 0 to 15 inside its word
    const int mask; // 1 << bit
    const QString name;
    const QString description;
};
