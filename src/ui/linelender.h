#pragma once

// Lends the inverter line to a service exchange of the window (the direct
// command) while monitoring may be running.
class LineLender
{
public:
    virtual ~LineLender() = default;

    // True when the line is the caller's until returnLine(); false, the user
    // told why, when it cannot be lent now.
    virtual bool borrowLine() = 0;
    virtual void returnLine() = 0;
};
