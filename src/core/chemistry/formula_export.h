#pragma once

#include <string>

#include "core/chemistry/chemical_formula.h"

namespace solvara {

// The display text of a formula with its subscripts, superscripts and centred dots as markup
// of other programs, for the clipboard. Characters that are markup of the target format are
// escaped. An empty display gives an empty text.
std::string toHtml(const ChemicalFormula& formula);       // <sub>, <sup>, &middot;
std::string toRtf(const ChemicalFormula& formula);        // {\sub }, {\super }; no document wrapper
std::string toForumCode(const ChemicalFormula& formula);  // [sub], [sup]
std::string toLatex(const ChemicalFormula& formula);      // \textrm{}, _{}, ^{}, \cdot

}  // namespace solvara
