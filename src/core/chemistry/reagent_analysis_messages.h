#pragma once

#include <string_view>

namespace solvara::reagent_messages {

// The lines of a reagent's analysis log. They are string-table texts: each
// is formatted first without arguments, then with them (see message_format.h).
inline constexpr std::string_view kWrongForcedPHCount =
    "Wrong number (%%i) of substances for forced pH (must be 2)\r\n";
inline constexpr std::string_view kSpectator =
    "%%s - assumed to be a spectator, C = %%.4lf\r\n(have you entered the canonical formula?)\r\n";
inline constexpr std::string_view kForcedPH = "forced pH = %%.2lf\r\n";
inline constexpr std::string_view kAcidConcentration = "%%s, C = %%.4lf\r\n";
inline constexpr std::string_view kHighIonicStrength =
    "Warning: high ionic strength - results unreliable!!!";
inline constexpr std::string_view kIonicStrength = "ionic strength = %%.4lf\r\n";
inline constexpr std::string_view kSolidAcid = "%%s\r\n";
inline constexpr std::string_view kEmptyPiece = "Empty string found instead of formula\r\n";
inline constexpr std::string_view kNoMolarMass =
    "%%s - can't calculate molar mass for a given formula";
// A formula that names known symbols but breaks the notation: the piece and what is wrong.
inline constexpr std::string_view kFormulaFault = "%%s - can't calculate molar mass: %%s";
inline constexpr std::string_view kNoSectionNumber = "Can't find number in pH or div section\r\n";
inline constexpr std::string_view kNoSection = "Can't find pH nor div section after semicolon\r\n";
inline constexpr std::string_view kNotNeutral =
    "%%s - substance is not electrically neutral (%%i)\r\n";
inline constexpr std::string_view kPH = "pH = %%.2lf\r\n";
inline constexpr std::string_view kNoPH = "Warning: unable to calculate pH!!!";
inline constexpr std::string_view kDivisor = "concentration divisor = %%.0lf\r\n";

}  // namespace solvara::reagent_messages
