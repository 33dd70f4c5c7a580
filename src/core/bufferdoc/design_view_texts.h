#pragma once

#include <optional>
#include <string>

namespace solvara {

class CSolvaraDoc;
class Reagent;

// The texts the buffer design view shows beside its fields.

// An amount to mix: two decimals from 1 up ("12.35"), four significant digits below ("0.1235"),
// empty when it is not a finite positive number.
std::string amountText(double amount);
// The salt's amount, shown only while forcing is on; then an amount that is not available reads
// "???" and one that is not positive is empty.
std::string saltAmountText(const std::optional<double>& amount, bool forceIonicStrength);
// "deg C pH of this solution is 7.21", or "deg C pH can't be calculated.".
std::string preparationPhText(const std::optional<double>& pHAtPreparation);
// "1st reagent (pH=4.76)" with the pH of the stock at 25 degC, "1st reagent" for a solid,
// "1st reagent (error in pH calculation!)" when that pH cannot be calculated; `ordinal` is 1 or 2.
std::string reagentCaption(Reagent& reagent, int ordinal);

// Why the design gives nothing to mix, as the user is told it; empty when it gives something.
std::string preparationFailureText(const CSolvaraDoc& document);

}  // namespace solvara
