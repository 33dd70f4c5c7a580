#include "core/text/byte_classes.h"

#include <unordered_set>

namespace solvara {
namespace {

constexpr std::size_t byteCount = 256;

// Splits every class into its bytes inside and outside the set.
void refine(ByteClasses& classes, const ByteSet& set) {
    constexpr std::int16_t unnumbered = -1;
    std::array<std::int16_t, 2 * byteCount> newClass;
    newClass.fill(unnumbered);
    classes.representative.clear();
    for (std::size_t byte = 0; byte < byteCount; ++byte) {
        std::int16_t& number =
            newClass[2 * std::size_t{classes.classOf[byte]} + (set[byte] ? 1u : 0u)];
        if (number == unnumbered) {
            number = static_cast<std::int16_t>(classes.representative.size());
            classes.representative.push_back(static_cast<unsigned char>(byte));
        }
        classes.classOf[byte] = static_cast<std::uint8_t>(number);
    }
}

}  // namespace

ByteClasses byteClassesOf(const std::vector<ByteSet>& sets) {
    ByteClasses classes;
    const std::unordered_set<ByteSet> distinct(sets.begin(), sets.end());
    for (const ByteSet& set : distinct) {
        if (classes.representative.size() == byteCount) break;
        refine(classes, set);
    }
    return classes;
}

}  // namespace solvara
