#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/phcalc/ph_calculator_doc.h"

namespace solvara {

// The forms in which the results of a pH calculation are printed.
enum class PhOutput { text, json, csv, report };

// The output the flags ask for; none, after saying so on `err`, when they ask for more than one.
std::optional<PhOutput> choosePhOutput(bool json, bool csv, bool report, std::ostream& err);

// Calculates the document and prints its results; the status says whether the calculation
// could be done (exitSuccess or exitCalculationFailed, with the reason on `err`). Text and JSON
// are UTF-8; the CSV is the bytes an export writes (Windows-1252, CR LF), so that redirecting it
// gives the file. Without results the CSV is not printed and the report shows formulas only.
int printPhResults(CpHCalculatorDoc& document, PhOutput output, int digits, std::ostream& out,
                   std::ostream& err);

// Why a solution has no results: the fault of its first row that has one, or that the pH could
// not be calculated. UTF-8.
std::string phCalculationProblem(const pHSolution& solution);

// Writes the document as a ".phc" file; false, after saying why on `err`, when it cannot.
bool savePhDocument(CpHCalculatorDoc& document, const std::filesystem::path& path,
                    std::ostream& err);

}  // namespace solvara
