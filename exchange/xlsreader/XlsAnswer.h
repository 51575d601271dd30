#pragma once

#include <cstdint>

// What the .xls reader process writes on its standard output, all numbers
// little-endian: the magic, the version, the sheet's row and column count
// (u32 each), then one record per non-empty cell in row-major order and an
// end record.
//   number cell: u8 kNumber, u32 row, u32 column (1-based), 8-byte IEEE double
//   text cell:   u8 kText,   u32 row, u32 column, u32 length, UTF-8 bytes (length > 0)
//   end:         u8 kEnd, nothing after it
namespace xlsanswer {

inline constexpr char kMagic[4] = {'Q', 'X', 'L', 'S'};
inline constexpr std::uint32_t kVersion = 1;
inline constexpr std::uint8_t kEnd = 0;
inline constexpr std::uint8_t kNumber = 1;
inline constexpr std::uint8_t kText = 2;

// The sheet limits of the binary format.
inline constexpr std::uint32_t kMaxRows = 65536;
inline constexpr std::uint32_t kMaxColumns = 256;

// The reader's exit codes; anything else (a signal, a limit) is a crash.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitUnreadable = 2;
inline constexpr int kExitDamaged = 3;
inline constexpr int kExitPassword = 4;
inline constexpr int kExitOutput = 5;

} // namespace xlsanswer
