#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/chemistry/composition.h"
#include "core/chemistry/element_table.h"
#include "core/chemistry/formula_fault.h"
#include "core/chemistry/sparse_partials.h"

namespace solvara {

// Evaluates a formula text into its composition. A formula it cannot evaluate is refused as a
// whole: parse returns false, fault() says why and the composition is all zeros. The buffers
// are kept from one formula to the next, so a parser is meant to be reused.
class CompositionParser {
  public:
    bool parse(const ElementTable& table, std::string_view formula);
    // The result of the last parse: table count + 1 slots.
    const Composition& composition() const { return composition_; }
    bool valid() const { return fault_ == FormulaFault::none; }
    FormulaFault fault() const { return fault_; }

  private:
    // The whole text (depth 0) or the inside of a group. Its sum partial holds the items it
    // has finished, each times the count of its part; its last partial holds the item a
    // following count multiplies.
    struct Level {
        int depth = 0;
        bool hasLast = false;
        // Written right after the separator that began the current part, 1 when there is none.
        int partCount = 1;
    };

    void parseLevel(int depth);
    void readSeparator(Level& level);
    void readGroup(Level& level);
    void readItemCount(Level& level);
    void readCharge(Level& level);
    void readSymbol(Level& level);
    // Finishes the last item, which the next one replaces.
    void beginItem(Level& level);
    void finishItem(Level& level);
    bool readNumber(int& value);

    static int sumOf(int depth) { return 2 * depth; }
    static int lastOf(int depth) { return 2 * depth + 1; }

    bool atNumber() const;
    bool atStateMarker() const;
    bool skipIf(char c);
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }
    bool ok() const { return fault_ == FormulaFault::none; }
    // The first fault is the one reported; none changes nothing.
    void fail(FormulaFault fault) {
        if (ok()) fault_ = fault;
    }

    const ElementTable* table_ = nullptr;
    std::string text_;
    std::size_t pos_ = 0;
    FormulaFault fault_ = FormulaFault::none;
    SparsePartials partials_;
    Composition composition_;
};

}  // namespace solvara
