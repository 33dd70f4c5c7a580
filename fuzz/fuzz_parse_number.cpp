// Typed numbers: any text is read or refused without a crash, and whatever
// is read shows as text that reads back to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    double value = 0;
    if (!solvara::parseNumber(typed, value)) return 0;

    solvara::CFloatNumbersString text(4);
    double readBack = 0;
    if (!solvara::parseNumber(text.formatSignificant(value, 17), readBack) || readBack != value) {
        std::abort();
    }
    for (int digits = 0; digits <= 6; ++digits) {
        if (!solvara::parseNumber(text.formatSignificant(value, digits), readBack)) std::abort();
    }
    if (!solvara::parseNumber(text.formatCompact(value), readBack)) std::abort();
    return 0;
}
