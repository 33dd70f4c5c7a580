#include "core/text/list_filter.h"

namespace solvara {

ListFilter::ListFilter(std::string_view filterText)
    : showsEverything_(filterText.empty() || filterText == ".") {
    // A failed pattern leaves the new engine matching nothing, which is
    // exactly what the list must show then.
    if (!showsEverything_) engine_.SetPattern(filterText);
}

bool ListFilter::passes(std::string_view text) const {
    return showsEverything_ || engine_.Find(text).matched;
}

}  // namespace solvara
