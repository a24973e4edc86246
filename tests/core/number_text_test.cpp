#include "core/text/number_text.h"

#include <doctest.h>

#include <cstdint>
#include <utility>

TEST_CASE("a count shows its digits in groups of three") {
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0"},       {999, "999"},          {1000, "1,000"}, {1234567, "1,234,567"},
        {-100, "-100"}, {-123456, "-123,456"},
    };
    for (const auto& row : rows) {
        CAPTURE(row.first);
        CHECK(groupedThousands(row.first) == row.second);
    }
}
