#pragma once

#include <QMimeData>
#include <memory>
#include <string_view>

#include "core/chemistry/element_table.h"

namespace solvara {

// What a formula is copied as. The text and HTML copies come with rich forms besides
// (text/html and text/rtf), so a word processor or an HTML editor pastes real sub- and
// superscripts while a plain-text editor pastes the plain text; forum code and LaTeX are plain
// text only.
enum class FormulaCopy { text, html, forumCode, latex };

// The clipboard content for a formula typed in the formula notation.
std::unique_ptr<QMimeData> formulaClipboardData(const ElementTable& table,
                                                std::string_view formulaText, FormulaCopy kind);
// Replaces whatever the clipboard held.
void copyFormulaToClipboard(const ElementTable& table, std::string_view formulaText,
                            FormulaCopy kind);

}  // namespace solvara
