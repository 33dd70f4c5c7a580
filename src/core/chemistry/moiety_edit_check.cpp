#include "core/chemistry/moiety_edit_check.h"

namespace solvara {

namespace {

bool symbolAcceptable(std::string_view symbol) {
    return !symbol.empty() && symbol.front() >= 'A' && symbol.front() <= 'Z';
}

}  // namespace

bool CanAddMoiety(const ElementTable& table, std::string_view symbol, double mass) {
    return symbolAcceptable(symbol) && mass != 0.0 && table.find(symbol) < 0;
}

bool CanModifyMoiety(int position, std::string_view symbol, double mass) {
    return CanRemoveEntry(position) && symbolAcceptable(symbol) && mass != 0.0;
}

bool CanRemoveEntry(int position) { return position >= ElementTable::kFirstMoiety; }

}  // namespace solvara
