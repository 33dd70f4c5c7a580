#pragma once

#include <string_view>

class QWidget;

namespace solvara {

// The database editors' message boxes, titled like the editor, with the core's texts.
void tellUser(QWidget& editor, std::string_view text);
bool askYesNo(QWidget& editor, std::string_view text);
bool askOkCancel(QWidget& editor, std::string_view text);

}  // namespace solvara
