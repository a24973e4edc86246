#pragma once

#include <cstdint>

// The lower-case table that make_lower_case_table.py writes from Unicode's data: for each block
// of 256 code points the row of its differences, lower case minus code point.
extern const std::uint8_t lowerCaseRowOfBlock[0x110000 / 256];
extern const std::int32_t lowerCaseDifferences[][256];
