#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace solvara {

using TextRow = std::vector<std::string>;  // Windows-1252 cells

// Columns padded to their widest cell (one byte is one character in
// Windows-1252), two blanks apart, written as UTF-8 line by line.
void printTable(std::ostream& out, const std::vector<TextRow>& rows);

}  // namespace solvara
