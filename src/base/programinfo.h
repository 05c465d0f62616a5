#pragma once

// The program's name and version as the user sees them.
namespace ProgramInfo {
constexpr const char *kName = "Lumora Data Manager";
constexpr const char *kVersion = "1.1";
} // namespace ProgramInfo
