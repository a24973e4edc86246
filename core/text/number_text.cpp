#include "core/text/number_text.h"

std::string groupedThousands(std::int64_t number) {
    const std::string digits = std::to_string(number);
    const std::size_t first = digits.front() == '-' ? 1 : 0;
    std::string grouped = digits.substr(0, first);
    for (std::size_t at = first; at < digits.size(); ++at) {
        if (at > first && (digits.size() - at) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[at];
    }
    return grouped;
}
