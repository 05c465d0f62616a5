#pragma once

#include <QtGlobal>

#include <array>

// The four error words of one reading (registers 182 to 185), in order.
struct ErrorWords
{
    std::array<quint16, 4> words{};

    bool isClear() const { return *this == ErrorWords{}; }
    friend bool operator==(const ErrorWords &a, const ErrorWords &b) { return a.words == b.words; }
    friend bool operator!=(const ErrorWords &a, const ErrorWords &b) { return !(a == b); }
};
