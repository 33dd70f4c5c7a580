#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/chemistry/composition.h"
#include "core/chemistry/element_table.h"
#include "core/chemistry/partial_stack.h"

namespace solvara {

// Evaluates a formula text into its composition. A formula it cannot evaluate (a symbol the
// table lacks, a charge mark followed by neither number nor sign, nesting deeper than the
// partial stack, a count beyond the int range) is refused as a whole: parse returns false and
// the composition is all zeros. The buffers are kept from one formula to the next, so a
// parser is meant to be reused.
class CompositionParser {
public:
    bool parse(const ElementTable& table, std::string_view formula);
    // The result of the last parse: table count + 1 slots.
    const Composition& composition() const { return composition_; }
    bool valid() const { return !failed_; }

private:
    // The whole text, the inside of a bracket group, or the part after a separator.
    enum class Level { whole, group, part };

    void parseLevel(Level level);
    void parseItems(Level level);
    void parsePart();
    void readCharge();
    void readSymbol(int base);
    bool readCount(int& count);
    void skipNumber();
    void skipFraction();
    void combineDownTo(int base);
    bool atStateMarker() const;
    bool skipIf(char c);
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }
    void require(bool ok);

    const ElementTable* table_ = nullptr;
    std::string text_;
    std::size_t pos_ = 0;
    int nesting_ = 0;
    bool failed_ = false;
    PartialStack stack_;
    Composition composition_;
};

}  // namespace solvara
