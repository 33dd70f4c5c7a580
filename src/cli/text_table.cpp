#include "cli/text_table.h"

#include <algorithm>
#include <cstddef>

#include "core/text/windows1252.h"

namespace solvara {

void printTable(std::ostream& out, const std::vector<TextRow>& rows) {
    std::vector<std::size_t> widths;
    for (const TextRow& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    for (const TextRow& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) line += "  ";
            line += row[column];
            if (column + 1 < row.size()) line.append(widths[column] - row[column].size(), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << windows1252ToUtf8(line) << '\n';
    }
}

}  // namespace solvara
