#pragma once

#include <QString>
#include <string_view>

namespace solvara {

// An editor's title from a pattern such as "Reagent database (%i item%s/%i listed)": the number
// of items, "s" unless it is 1, and the number listed.
QString databaseTitle(std::string_view pattern, int items, int listed);

}  // namespace solvara
