#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/phcalc/ph_calculator_doc.h"

namespace solvara {

// The results of the last calculation as comma-separated text for spreadsheets, following the
// calculation details report line by line: Windows-1252 bytes with CR LF line ends. Working out
// the water ion product uses the program's shared one, hence the non-const document.
std::string pHResultsCsv(const CpHCalculatorDoc& document);

// The file name offered for the export: the document title without a three-letter extension
// ("solution.phc" offers "solution").
std::string proposedCsvFileName(std::string_view title);

// Writes pHResultsCsv to `path` through replaceFile, so a failed write leaves what was there.
// Throws FileError.
void writepHResultsCsv(const CpHCalculatorDoc& document, const std::filesystem::path& path);

}  // namespace solvara
