#pragma once

#include <string_view>

#include "core/chemistry/element_table.h"

namespace solvara {

inline constexpr std::string_view kMoietySymbolTaken =
    "A moiety with such a symbol already exists.";

// What the element and moiety editor may do. A symbol must start with a capital letter A to Z
// (formulas read an element symbol from its capital) and a moiety must weigh something. The
// built-in elements cannot be changed or removed.
bool CanAddMoiety(const ElementTable& table, std::string_view symbol, double mass);
bool CanModifyMoiety(int position, std::string_view symbol, double mass);
bool CanRemoveEntry(int position);

}  // namespace solvara
