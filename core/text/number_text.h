#pragma once

#include <cstdint>
#include <string>

// A count as the program shows it, its digits in groups of three: "12,345".
std::string groupedThousands(std::int64_t number);
