#pragma once

// The exit status of lumora-logger, in both of its modes (see the README).
namespace LoggerExit {
enum Code : int {
    Success = 0,         // monitoring ended on a signal or after --cycles; the search saved its result
    NoPortSet = 1,       // app.ini names no port; monitoring: or INV_ADDR lists no bus address
    PortUnavailable = 2, // the port did not open at the start
    BadCommandLine = 2,  // an unknown option, or a value that is not a number
    FileNotUsable = 3,   // the search: app.ini not writable; monitoring: lumora.db not usable
    ListKept = 4,        // the search found nothing or the line failed during it: INV_ADDR kept
};
} // namespace LoggerExit
