#pragma once

#include <span>
#include <string_view>

namespace solvara {

// A row of the built-in element table. The mass is kept as text because the number of
// decimals it was written with is shown with it.
struct BuiltInElement {
    std::string_view symbol;
    std::string_view massText;
};

// The electron "e" at position 0, then hydrogen to lawrencium by atomic number.
std::span<const BuiltInElement> builtInElements();

}  // namespace solvara
