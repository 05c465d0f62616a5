#pragma once

#include <QtGlobal>

// A device on the line: an inverter by its bus address, or a Modbus sensor by
// its slave address (the two may share a number).
struct LineDevice
{
    enum class Kind : quint8 { Inverter, Sensor };

    Kind kind = Kind::Inverter;
    int address = 0;

    static LineDevice inverter(int address) { return {Kind::Inverter, address}; }
    static LineDevice sensor(int slave) { return {Kind::Sensor, slave}; }

    bool isSensor() const { return kind == Kind::Sensor; }
    // Inverters first, each kind by ascending address.
    bool operator<(const LineDevice &other) const
    {
        return kind != other.kind ? kind < other.kind : address < other.address;
    }
    bool operator==(const LineDevice &other) const { return kind == other.kind && address == other.address; }
};
