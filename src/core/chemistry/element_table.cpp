#include "core/chemistry/element_table.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstddef>
#include <span>

#include "core/chemistry/builtin_elements.h"

namespace solvara {

namespace {

std::size_t at(int position) { return static_cast<std::size_t>(position); }

double parseMass(std::string_view text) {
    double mass = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), mass);
    return mass;
}

}  // namespace

void ElementTable::loadBuiltIn() {
    entries_.clear();
    count_ = 0;
    rebuildIndex();
    for (const auto& row : builtInElements()) {
        add({std::string(row.symbol),
             {},
             {},
             parseMass(row.massText),
             countDecimals(row.massText)});
    }
    modified_ = false;
}

int ElementTable::add(const Element& element) {
    if (find(element.symbol) >= 0) return -1;
    const int position = count_;
    if (at(position) < entries_.size()) {
        entries_[at(position)] = element;
    } else {
        entries_.push_back(element);
    }
    ++count_;
    indexEntry(position);
    modified_ = true;
    ++revision_;
    return position;
}

int ElementTable::modify(int position, const Element& element) {
    if (position < kFirstMoiety || position >= count_) return -1;
    for (int other = 0; other < count_; ++other) {
        if (other != position && entries_[at(other)].symbol == element.symbol) return -1;
    }
    Element& entry = entries_[at(position)];
    if (const auto old = index_.find(entry.symbol);
        old != index_.end() && old->second == position) {
        index_.erase(old);
    }
    prefixIndex_.erase(entry.symbol, position);
    entry = element;
    indexEntry(position);
    modified_ = true;
    ++revision_;
    return position;
}

bool ElementTable::remove(int position) {
    if (position < kFirstMoiety || position >= count_) return false;
    std::move(entries_.begin() + position + 1, entries_.begin() + count_,
              entries_.begin() + position);
    --count_;
    modified_ = true;
    rebuildIndex();
    return true;
}

int ElementTable::find(std::string_view symbol) const {
    const auto found = index_.find(symbol);
    return found == index_.end() ? -1 : found->second;
}

SymbolMatch ElementTable::findLongestPrefix(std::string_view text) const {
    return prefixIndex_.longestPrefix(text);
}

void ElementTable::rebuildIndex() {
    ++revision_;
    index_.clear();
    std::vector<std::string_view> symbols;
    symbols.reserve(static_cast<std::size_t>(count_));
    for (int position = 0; position < count_; ++position) {
        const std::string& symbol = entries_[at(position)].symbol;
        index_[symbol] = position;
        symbols.push_back(symbol);
    }
    prefixIndex_.assign(symbols);
}

void ElementTable::indexEntry(int position) {
    const std::string& symbol = entries_[at(position)].symbol;
    index_[symbol] = position;
    prefixIndex_.insert(symbol, position);
}

double ElementTable::molarMass(const Composition& composition) const {
    long double sum = 0.0L;
    const std::span<const int> units =
        composition.slots().first(std::min(at(count_), composition.slots().size()));
    for (std::size_t slot = 0; slot < units.size(); ++slot) {
        // Most slots are empty; skipping them leaves the sum unchanged.
        if (units[slot] != 0)
            sum += static_cast<long double>(units[slot]) * entries_[slot].molarMass;
    }
    return static_cast<double>(sum);
}

const Element& ElementTable::operator[](int position) const {
    assert(position >= 0 && position < count_);
    return entries_[at(position)];
}

}  // namespace solvara
