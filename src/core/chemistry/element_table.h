#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/chemistry/composition.h"
#include "core/chemistry/element.h"
#include "core/chemistry/symbol_prefix_index.h"

namespace solvara {

// The vocabulary of every formula: the electron, the elements and the user's moieties, each
// with its molar mass. Formulas refer to entries by position, so positions never change except
// when a moiety is removed.
class ElementTable {
  public:
    // Position 0 is the electron, 1 to 103 hydrogen to lawrencium; moieties follow.
    static constexpr int kFirstMoiety = 104;

    // Replaces whatever the table holds by the electron and the 103 elements.
    void loadBuiltIn();
    // Appends an entry; -1 when its symbol is taken.
    int add(const Element& element);
    // Overwrites a moiety; -1 when the position is not a moiety or another entry has the symbol.
    int modify(int position, const Element& element);
    // Removes a moiety, moving later entries one position down. The array keeps its size: the
    // last element stays behind, stale, beyond count(). False when position is not a moiety.
    bool remove(int position);

    // Exact symbol lookup; -1 when absent.
    int find(std::string_view symbol) const;
    // The longest symbol the text starts with; among equally long ones the lowest position.
    SymbolMatch findLongestPrefix(std::string_view text) const;
    void rebuildIndex();

    // Stores the whole array, stale entries included, then the end marker. Loading replaces
    // the table once its entries have been read whole, so a stream that ends inside them
    // leaves the table as it was; a count that does not fit the array is a bad format. Both
    // directions clear modified().
    void Serialize(Archive& archive);

    // Sum of count times molar mass over the entries, in extended precision. The charge slot
    // meets the electron's mass of 0.
    double molarMass(const Composition& composition) const;

    int count() const { return count_; }
    // A valid entry, 0 <= position < count().
    const Element& operator[](int position) const;
    // The whole array, stale entries beyond count() included.
    const std::vector<Element>& entries() const { return entries_; }
    bool modified() const { return modified_; }
    void clearModified() { modified_ = false; }
    // Whether the last load found the end marker after the entries.
    bool complete() const { return complete_; }
    // Changes with every change of the entries, so results derived from the table can tell
    // they are stale.
    std::uint64_t revision() const { return revision_; }

  private:
    void indexEntry(int position);

    bool modified_ = false;
    bool complete_ = true;
    std::uint64_t revision_ = 0;
    int count_ = 0;
    std::vector<Element> entries_;
    std::map<std::string, int, std::less<>> index_;
    SymbolPrefixIndex prefixIndex_;
};

}  // namespace solvara
