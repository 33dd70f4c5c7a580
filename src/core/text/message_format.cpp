#include "core/text/message_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace solvara {

namespace {

constexpr int kDefaultPrecision = 6;  // printf's for %f
constexpr int kMaxPrecision = 60;

std::string fixed(double value, int precision) {
    // Room for the 309 integer digits of the largest double and any precision asked for here.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, precision);
    if (result.ec != std::errc()) return {};
    return std::string(buffer.data(), result.ptr);
}

// printf's %g: the shorter of fixed and exponent notation, trailing zeros dropped.
std::string general(double value, int precision) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, std::max(precision, 1));
    if (result.ec != std::errc()) return {};
    return std::string(buffer.data(), result.ptr);
}

// The text of one conversion; nothing when the argument does not fit it.
std::string convert(char conversion, int precision, const MessageArgument* argument) {
    if (argument == nullptr) return {};
    if (conversion == 's') {
        const auto* text = std::get_if<std::string_view>(argument);
        return text == nullptr ? std::string() : std::string(*text);
    }
    const auto* number = std::get_if<double>(argument);
    if (number == nullptr) return {};
    if (conversion == 'g') return general(*number, precision);
    return fixed(*number, conversion == 'f' ? precision : 0);
}

}  // namespace

std::string withoutArguments(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result.push_back(text[i]);
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
    }
    return result;
}

std::string formatMessage(std::string_view format,
                          std::initializer_list<MessageArgument> arguments) {
    std::string result;
    const MessageArgument* next = arguments.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i++];
        if (c != '%' || i == format.size()) {
            result.push_back(c);
            continue;
        }
        if (format[i] == '%') {
            result.push_back('%');
            ++i;
            continue;
        }
        int precision = kDefaultPrecision;
        if (format[i] == '.') {
            ++i;
            precision = 0;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                precision = std::min(precision * 10 + (format[i++] - '0'), kMaxPrecision);
            }
        }
        if (i < format.size() && format[i] == 'l') ++i;
        if (i == format.size()) break;
        const char conversion = format[i++] == 'd' ? 'i' : format[i - 1];
        const MessageArgument* argument = next == arguments.end() ? nullptr : next++;
        result += convert(conversion, precision, argument);
    }
    return result;
}

}  // namespace solvara
