#pragma once

#include <string_view>

namespace solvara {

// Blanks and tabs are what a user may leave around a typed number.
inline std::string_view skipBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

}  // namespace solvara
