#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace solvara {

// The value of one placeholder of a message.
using MessageArgument = std::variant<std::string_view, double>;

// A message text of the string table formatted as printf would format it
// without arguments: every "%%" becomes "%". Texts that are later formatted
// with arguments go through this first.
std::string withoutArguments(std::string_view text);

// printf-style formatting of the placeholders messages use, whatever the C
// locale: %s (a text), %i and %d (a number, shown without decimals), %f and
// %lf with an optional precision such as %.4lf (a number, '.' as the decimal
// point), %g and %lg (a number in the shorter of fixed and exponent notation,
// 6 significant digits unless a precision is given), and %% for "%". Arguments are used in order; a
// placeholder without a fitting argument shows nothing.
std::string formatMessage(std::string_view format,
                          std::initializer_list<MessageArgument> arguments);

}  // namespace solvara
