#pragma once

#include <string_view>

#include "core/text/rexi_search.h"

namespace solvara {

// Decides which items a filtered list shows. An empty filter or "." shows
// every item; otherwise an item is shown when some non-empty part of its
// text (its name or its formula, as the list chooses) matches the pattern.
// A pattern with an error shows nothing.
class ListFilter {
  public:
    explicit ListFilter(std::string_view filterText);

    bool passes(std::string_view text) const;

  private:
    bool showsEverything_;
    REXI_Search engine_;
};

}  // namespace solvara
