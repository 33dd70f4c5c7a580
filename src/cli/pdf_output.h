#pragma once

#include <ostream>
#include <string>

namespace solvara {

class CSolvaraDoc;
class CpHCalculatorDoc;

// Refuses --pdf in a build without PDF output, as bad usage and before anything is calculated:
// the reason goes to `err`. True when `path` may be used or is empty (no PDF).
bool acceptPdfFile(const std::string& path, std::ostream& err);

// Write the recipe page of a buffer design, or the calculation details of a pH calculation, as
// a PDF file at `path` (A4 pages, as the desktop program prints them). The file is written
// beside `path` and renamed over it when complete, so a failure leaves the file that was there.
// False, after saying why on `err`, when it cannot be written. No display is needed.
bool writeRecipePdf(const CSolvaraDoc& document, const std::string& path, std::ostream& err);
bool writeDetailsPdf(const CpHCalculatorDoc& document, const std::string& path, std::ostream& err);

}  // namespace solvara
