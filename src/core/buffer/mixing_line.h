#pragma once

#include <optional>

namespace solvara {

class Buffer;

// The compositions a preparation search chooses from, as a function of one
// number x from 0 to 1, all holding the main component at the total
// concentration C:
// - both reagents carry the main component: x is the part of C reagent 1
//   carries, c1 = x*C/f1 and c2 = (1-x)*C/f2;
// - only reagent 2 carries it: c2 = C/f2, and c1 = (1-x)*m with m the most
//   reagent 1 can be when its stock fills the volume the stock of reagent 2
//   leaves free, m = (1 - C/s2)*s1;
// - only reagent 1 carries it: the same with the reagents exchanged.
// f are the shares, s the stock concentrations (used as they are also for a
// solid).
class MixingLine {
  public:
    // None when the buffer cannot make any composition: a reagent missing,
    // neither reagent carrying the main component, a total that is not a
    // positive number, or stocks that leave no room for the reagent that is
    // varied (m not a positive number).
    static std::optional<MixingLine> of(const Buffer& buffer, double totalConcentration);

    void compositionAt(double x, double& c1, double& c2) const noexcept;

  private:
    enum class Carrier { both, secondOnly, firstOnly };

    MixingLine(Carrier carrier, double totalConcentration, double firstShare, double secondShare,
               double mostOfOther) noexcept
        : carrier_(carrier),
          total_(totalConcentration),
          firstShare_(firstShare),
          secondShare_(secondShare),
          mostOfOther_(mostOfOther) {}

    Carrier carrier_;
    double total_;
    double firstShare_;
    double secondShare_;
    double mostOfOther_;  // m, for a single carrier
};

}  // namespace solvara
