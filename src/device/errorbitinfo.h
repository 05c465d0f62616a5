#pragma once

#include <QString>

// One bit of an inverter error word: its short name and the text shown to the user.
// Built once with the error tables and never changed.
class ErrorBitInfo
{
public:
    ErrorBitInfo(int bit, const QString &name, const QString &description)
        : bit(bit)
        , mask(1 << bit)
        , name(name)
        , description(description)
    {}

    const int bit;  // 0 to 15 inside its word
    const int mask; // 1 << bit
    const QString name;
    const QString description;
};
