#include "core/chemistry/element.h"

namespace solvara {

int countDecimals(std::string_view massText) {
    const auto point = massText.find('.');
    if (point == std::string_view::npos) return 0;
    return static_cast<int>(massText.size() - point - 1);
}

}  // namespace solvara
