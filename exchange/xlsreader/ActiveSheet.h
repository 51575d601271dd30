#pragma once

#include <cstdint>
#include <vector>

namespace xlsreader {

// The index of the tab that is active once the workbook has been opened, as
// the workbook's first window record gives it; 0 when the file holds none or
// its container cannot be followed. The bytes are the whole .xls file and
// are treated as hostile: every offset and chain is checked and bounded.
unsigned activeSheetIndex(const std::vector<std::uint8_t>& file);

} // namespace xlsreader
