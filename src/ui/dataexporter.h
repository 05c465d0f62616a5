#pragma once

// A history page whose rows can be written to a file by the window's
// Export Data command.
class DataExporter
{
public:
    virtual ~DataExporter() = default;

    virtual bool hasRows() const = 0;
    // Asks for a file and writes the rows there.
    virtual void exportData() = 0;
};
