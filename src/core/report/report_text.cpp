#include "core/report/report_text.h"

#include <algorithm>
#include <map>
#include <optional>

namespace solvara {

namespace {

struct PlacedText {
    int column;
    std::string text;
};

std::string withFormula(const ReportFormulaText& item) {
    std::string text = item.text;
    const std::size_t tag = text.find(substanceFormulaTag);
    if (tag != std::string::npos) text.replace(tag, substanceFormulaTag.size(), item.formula);
    return text;
}

int startColumn(int x, const std::string& text, ReportAlignment alignment, int unitsPerColumn) {
    const int anchor = x / unitsPerColumn;
    const int length = static_cast<int>(text.size());
    switch (alignment) {
        case ReportAlignment::right:
            return anchor - length;
        case ReportAlignment::centre:
            return anchor - length / 2;
        case ReportAlignment::left:
            break;
    }
    return anchor;
}

std::optional<std::pair<int, PlacedText>> placed(const ReportItem& item, int unitsPerColumn) {
    if (const auto* text = std::get_if<ReportText>(&item)) {
        return std::pair{text->at.y, PlacedText{startColumn(text->at.x, text->text, text->alignment,
                                                            unitsPerColumn),
                                                text->text}};
    }
    if (const auto* formula = std::get_if<ReportFormulaText>(&item)) {
        std::string text = withFormula(*formula);
        const int column = startColumn(formula->at.x, text, ReportAlignment::left, unitsPerColumn);
        return std::pair{formula->at.y, PlacedText{column, std::move(text)}};
    }
    return std::nullopt;
}

std::string joined(std::vector<PlacedText> texts) {
    std::stable_sort(texts.begin(), texts.end(),
                     [](const PlacedText& a, const PlacedText& b) { return a.column < b.column; });
    std::string line;
    for (const PlacedText& text : texts) {
        const auto column = static_cast<std::size_t>(std::max(text.column, 0));
        if (column > line.size()) {
            line.append(column - line.size(), ' ');
        } else if (!line.empty()) {
            line += ' ';
        }
        line += text.text;
    }
    return line;
}

}  // namespace

std::string reportAsText(const Report& report, int unitsPerColumn) {
    const int columnWidth = std::max(unitsPerColumn, 1);
    std::map<int, std::vector<PlacedText>, std::greater<>> lines;
    for (const ReportItem& item : report.items) {
        if (auto text = placed(item, columnWidth))
            lines[text->first].push_back(std::move(text->second));
    }
    std::string out;
    for (auto& [y, texts] : lines) {
        out += joined(std::move(texts));
        out += '\n';
    }
    return out;
}

}  // namespace solvara
